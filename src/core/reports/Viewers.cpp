#include "reports/Viewers.h"

#include "shell/Platform.h"
#include "shell/Text.h"

#include <string>

namespace torval {

namespace {

void warn(Prompter& prompter, std::string text, std::string_view title) {
    prompter.setBusy(false);
    prompter.show(Message{std::move(text), std::string(title), MessageIcon::Exclamation,
                          MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace

void LaunchPlot(const AppState& state, std::string_view fileName, Prompter& prompter,
                Launcher& launcher, EventPump* events) {
    if (!FileExists(fileName)) {
        warn(prompter, "Unable to find the output graph file: " + upperCase(fileName) + ".",
             "Drive Read Only");
        return;
    }
    if (!FileExists(state.GraphCommand)) {
        warn(prompter,
             "Unable to find Charton utility: " + upperCase(state.GraphCommand) + "." + "\r\r" +
                 "Charton program must be present at the above location.",
             "Missing Charton Utility");
        return;
    }
    prompter.setBusy(false);
    if (events != nullptr) {
        events->pump();
    }
    launcher.start(trimBlanks(state.GraphCommand), {std::string(fileName)});
}

void LaunchEditor(const AppState& state, std::string_view fileName, Prompter& prompter,
                  Launcher& launcher) {
    if (!FileExists(fileName)) {
        warn(prompter, "Unable to find the output file: " + upperCase(fileName) + ".",
             "Drive Read Only");
        return;
    }
    const std::string& editor = state.AppSettings.TextEditorPath;
    if (!FileExists(editor)) {
        warn(prompter,
             "Unable to find selected text editor: " + upperCase(editor) + "." + "\r\r" +
                 "Please select an appropriate text editor before using this option.",
             "Missing Text Editor");
        return;
    }
    prompter.setBusy(false);
    launcher.start(trimBlanks(editor), {std::string(fileName)});
}

} // namespace torval
