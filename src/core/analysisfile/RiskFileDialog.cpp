#include "analysisfile/RiskFileDialog.h"

#include "analysisfile/RiskDataFile.h"
#include "datafiles/DataFileOpening.h"
#include "shell/ErrorReport.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <optional>

namespace torval {

namespace {

FileChoice riskFileChoice(const AppState& state, std::string_view kind, std::string_view title,
                          std::string_view currentPath) {
    FileChoice choice{.title = std::string(title),
                      .filters = {},
                      .filterIndex = 1,
                      .initialDirectory = {},
                      .proposedName = {}};
    if (lowerCase(kind) == RiskFileKind) {
        choice.filters = fileFilters(RiskFileFilter);
    }
    if (FileExists(currentPath)) {
        const std::string path = trimBlanks(currentPath);
        choice.proposedName = FileNameOf(path);
        choice.initialDirectory = path.substr(0, path.size() - choice.proposedName.size());
    } else if (DirectoryExists(state.AppSettings.RiskDataPath)) {
        choice.initialDirectory = state.AppSettings.RiskDataPath;
    }
    return choice;
}

std::string withDefaultExtension(const std::string& path) {
    return contains(FileNameOf(path), ".") ? path : trimBlanks(path) + ".tvl";
}

// The answer of the dialog, or the failure code that ends the choice.
std::string chosenPath(FileDialogs& dialogs, const FileChoice& choice) {
    const bool opening = contains(choice.title, "Open");
    const std::optional<std::string> answer =
        opening ? dialogs.openFile(choice) : dialogs.saveFile(choice);
    if (!answer) {
        throw RunTimeError(ErrorCode::DialogCancelled);
    }
    return contains(choice.title, "Save") ? withDefaultExtension(*answer) : *answer;
}

} // namespace

std::string ShowRiskFileDialog(const AppState& state, FileDialogs& dialogs, Prompter& prompter,
                               std::string_view kind, std::string_view title,
                               std::string_view currentPath) {
    std::string path; // known once the dialog answered, so that a report can name it
    try {
        path = chosenPath(dialogs, riskFileChoice(state, kind, title, currentPath));
        if (contains(title, "Open") && !FileExists(path)) {
            throw RunTimeError(ErrorCode::FileNotFound, path);
        }
        // Only a Yes to the overwrite question goes on with the path.
        if (contains(title, "Save") && FileExists(path) &&
            ErrorReport(prompter, ErrorCode::FileAlreadyExists, path, "") != 0) {
            return std::string(NoFileChosen);
        }
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return std::string(NoFileChosen);
    }
    prompter.setBusy(false);
    return path;
}

bool OpenRiskDataFile(AppState& state, FileDialogs& dialogs, Prompter& prompter,
                      std::string_view kind) {
    const std::string path = ShowRiskFileDialog(state, dialogs, prompter, kind, OpenRiskFileTitle,
                                                state.riskInput.FileName);
    const bool read = path != NoFileChosen && ReadRiskDataFile(state, prompter, path);
    if (read) {
        state.riskInput.FileName = path;
    }
    prompter.setBusy(false);
    return read;
}

bool SaveRiskDataFile(AppState& state, FileDialogs& dialogs, Prompter& prompter,
                      std::string_view command, std::string_view kind, const SinkOpener& openSink) {
    std::string path = trimBlanks(state.riskInput.FileName);
    if (command == SaveAsCommand || !FileExists(path)) {
        path = ShowRiskFileDialog(state, dialogs, prompter, kind, SaveRiskFileTitle, path);
    }
    const bool written = path != NoFileChosen && WriteRiskDataFile(state, prompter, path, openSink);
    if (written) {
        state.riskInput.FileName = path;
    }
    prompter.setBusy(false);
    return written;
}

} // namespace torval
