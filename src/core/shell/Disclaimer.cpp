#include "shell/Disclaimer.h"

#include <string>

namespace torval {

const std::string_view DisclaimerText =
    "The analytical models used in the TORVAL software have been available\r"
    "in the public-domain literature and are used by federal agencies.\r"
    "No warranty, expressed or implied, is given by the authors or by the\r"
    "sponsoring organisations as to the accuracy and functioning of the\r"
    "programs and related materials, nor shall the distribution of this\r"
    "software constitute any such warranty. No responsibility is assumed\r"
    "by the authors or the sponsoring organisations in connection with\r"
    "the software, its use or its results.\r"
    "Trade, product or firm names appear in this software for descriptive\r"
    "purposes only; their use does not imply endorsement by the authors\r"
    "or by the sponsoring organisations.";

void ShowDisclaimer(Prompter& prompter) {
    Message message;
    message.text = std::string(DisclaimerText);
    message.title = std::string(DisclaimerTitle);
    message.icon = MessageIcon::None;
    message.buttons = MessageButtons::Ok;
    prompter.show(message);
}

} // namespace torval
