#pragma once
// Choosing, opening and saving risk data files (*.tvl): the open and save dialogs preset for
// them, the overwrite question, and the Open, Save and Save As commands of the main and the
// analysis window. Failures are reported here (ErrorReport with the path); callers only learn
// whether a file was read or written.

#include "AppState.h"
#include "shell/FileDialogs.h"
#include "shell/FileReplacement.h"
#include "shell/Prompter.h"

#include <string>
#include <string_view>

namespace torval {

inline constexpr std::string_view OpenRiskFileTitle = "Open Data File";
inline constexpr std::string_view SaveRiskFileTitle = "Save Data File As";
inline constexpr std::string_view RiskFileFilter = "Risk Data (*.tvl)|*.tvl";
inline constexpr std::string_view RiskFileKind = "risk";
inline constexpr std::string_view SaveAsCommand = "Save As";

// The chosen path, or NoFileChosen ("Don't Do Anything") after a cancel, a missing file to
// open (53) or a No to the question whether to replace an existing file (58). The Open dialog
// is shown when the title holds "Open", the Save dialog otherwise. A Save answer whose file
// name holds no "." gets ".tvl" appended (a "." in a directory name does not count). The
// dialog starts at currentPath when that names an existing file, else in RiskDataPath when
// that exists.
std::string ShowRiskFileDialog(const AppState& state, FileDialogs& dialogs, Prompter& prompter,
                               std::string_view kind, std::string_view title,
                               std::string_view currentPath);

// Open: choose and read; true when read (FileName is then the path).
bool OpenRiskDataFile(AppState& state, FileDialogs& dialogs, Prompter& prompter,
                      std::string_view kind);

// Save: asks for a name on "Save As" or when FileName names no existing file, else writes to
// FileName without asking. True when written (FileName is then the path); a failed write
// keeps FileName.
bool SaveRiskDataFile(AppState& state, FileDialogs& dialogs, Prompter& prompter,
                      std::string_view command, std::string_view kind,
                      const SinkOpener& openSink = openFileSink);

} // namespace torval
