#include "analysisfile/RiskFileService.h"

#include "analysisfile/RiskDataFile.h"
#include "analysisfile/RiskFileDialog.h"
#include "datafiles/DataFileOpening.h"

#include <utility>

namespace torval {

RiskFileService::RiskFileService(FileDialogs& dialogs, Prompter& prompter, SinkOpener openSink)
    : dialogs_(dialogs), prompter_(prompter), openSink_(std::move(openSink)) {}

std::optional<std::string> RiskFileService::chooseFileToOpen(AppState& state) {
    std::string path = ShowRiskFileDialog(state, dialogs_, prompter_, RiskFileKind,
                                          OpenRiskFileTitle, state.riskInput.FileName);
    if (path == NoFileChosen) {
        return std::nullopt;
    }
    return path;
}

bool RiskFileService::read(AppState& state, std::string_view path) {
    return ReadRiskDataFile(state, prompter_, std::string(path));
}

bool RiskFileService::save(AppState& state, SaveCommand command) {
    const std::string_view name = command == SaveCommand::SaveAs ? SaveAsCommand : "Save";
    return SaveRiskDataFile(state, dialogs_, prompter_, name, RiskFileKind, openSink_);
}

bool RiskFileService::chooseAndRead(AppState& state) {
    return OpenRiskDataFile(state, dialogs_, prompter_, RiskFileKind);
}

} // namespace torval
