#include "shell/StartUp.h"

#include "shell/Configuration.h"
#include "shell/DataLocations.h"
#include "shell/Disclaimer.h"
#include "shell/Platform.h"
#include "shell/Text.h"

#include <string>
#include <utility>

namespace torval {

namespace {

void settleDirectories(AppState& state, std::string_view programDir, std::string_view systemDir) {
    state.AppPath = applicationDirectory(programDir);
    state.StartDirectory = state.AppPath;
    // Names are appended to it directly, so it always ends in a separator. Its case is dropped
    // only where case carries no meaning; elsewhere a lower-cased path could name nothing.
    const std::string withSeparator = systemDir.empty() ? std::string() : joinPath(systemDir, "");
    state.WindowsDirectory = caseInsensitiveFileSystem() ? lowerCase(withSeparator) : withSeparator;
}

void loadConfiguration(AppState& state, Prompter& prompter) {
    StartupConfiguration loaded =
        LoadStartupConfiguration(prompter, state.AppPath, state.WindowsDirectory);
    state.IniFilePath = std::move(loaded.IniFilePath);
    state.AppSettings = std::move(loaded.settings);
    state.GraphCommand = std::move(loaded.GraphCommand);
}

} // namespace

void StartUp(AppState& state, Prompter& prompter, std::string_view programDirectory,
             std::string_view systemDirectory) {
    settleDirectories(state, programDirectory, systemDirectory);
    state.AnalysisState = Analysis::Changed;
    loadConfiguration(state, prompter);
    ShowDisclaimer(prompter);
    state.LastMediumOption = Medium::Groundwater;
}

void StartUp(AppState& state, Prompter& prompter) {
    StartUp(state, prompter, programDirectory(), systemProgramDirectory());
}

} // namespace torval
