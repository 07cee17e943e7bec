#pragma once
// File > "Export CSV...": the iterations of the last calculation into a file the user names.

#include "AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Prompter.h"

#include <optional>
#include <string>
#include <string_view>

namespace torval {

inline constexpr std::string_view ExportCsvTitle = "Export CSV";
inline constexpr std::string_view ExportCsvNothing =
    "There is nothing to export: calculate the analysis first.";

// The save dialog's choice: CSV files first, then all files, "iterations.csv" proposed.
FileChoice iterationCsvChoice();

// Refuses with a message while no finished calculation is shown; otherwise asks for the file
// and writes it. Returns the path written; nothing when refused, cancelled or failed (the
// failure reported through the prompter, an earlier file of that name kept).
std::optional<std::string> ExportIterationCsv(const AppState& state, FileDialogs& dialogs,
                                              Prompter& prompter);

} // namespace torval
