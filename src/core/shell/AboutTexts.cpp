#include "shell/AboutTexts.h"

#include <string>

namespace torval {

const std::string_view AboutTexts::Description =
    "TORVAL EXPOSURE ASSESSMENT SYSTEM\r"
    "Version 1.0\r"
    "\r"
    "Health-risk exposure assessment of chemicals in the environment:\r"
    "the intake of a person through nine exposure pathways, from the\r"
    "output of the PLUMEX transport models or a concentration typed in,\r"
    "with Monte Carlo simulation of any parameter.";

const std::string_view SupportTexts::Text =
    "Before you call, please look up your question in the help: Help > Contents... lists every "
    "topic, and Help > Index of Topics... finds a topic by keyword. The topic \"Messages and "
    "what to do\" explains every error message of the program.\r\r"
    "If the help does not answer your question, contact the TORVAL support team of your "
    "organisation. Please have at hand the version shown in the main window's caption, the "
    "exact text of any message, and the analysis file (*.tvl) or the PLUMEX data file you "
    "were working on.\r\r"
    "Reports of wrong results are most useful with the inputs that produced them: save the "
    "analysis with File > Save Application as and send the file with your description.";

Message developmentTeamMessage() {
    Message message;
    message.title = std::string(AboutTexts::TeamTitle);
    message.icon = MessageIcon::Information;
    message.buttons = MessageButtons::Ok;
    message.text = "SOFTWARE DEVELOPMENT\r"
                   "    The TORVAL development team\r"
                   "\r"
                   "TECHNICAL SUPPORT\r"
                   "    The TORVAL support team";
    return message;
}

} // namespace torval
