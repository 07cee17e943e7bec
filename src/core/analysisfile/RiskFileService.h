#pragma once
// The risk data files as the windows reach them: the main window's Open Application
// (RiskFileOpener) and the analysis window's File menu (RiskFileStore) both come here, so the
// dialogs, the overwrite question and the failure reports are the same from either window.

#include "AppState.h"
#include "intake/AnalysisServices.h"
#include "shell/ApplicationFlows.h"
#include "shell/FileDialogs.h"
#include "shell/FileReplacement.h"
#include "shell/Prompter.h"

#include <optional>
#include <string>
#include <string_view>

namespace torval {

class RiskFileService : public RiskFileStore, public RiskFileOpener {
public:
    RiskFileService(FileDialogs& dialogs, Prompter& prompter, SinkOpener openSink = openFileSink);

    std::optional<std::string> chooseFileToOpen(AppState& state) override;
    bool read(AppState& state, std::string_view path) override;
    bool save(AppState& state, SaveCommand command) override;
    bool chooseAndRead(AppState& state) override;

private:
    FileDialogs& dialogs_;
    Prompter& prompter_;
    SinkOpener openSink_;
};

} // namespace torval
