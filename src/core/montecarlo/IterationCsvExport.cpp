#include "montecarlo/IterationCsvExport.h"

#include "intake/VariedInputs.h"
#include "montecarlo/IterationCsv.h"
#include "shell/ErrorReport.h"

namespace torval {

FileChoice iterationCsvChoice() {
    FileChoice choice;
    choice.title = std::string(ExportCsvTitle);
    choice.filters = fileFilters("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
    choice.proposedName = "iterations.csv";
    return choice;
}

std::optional<std::string> ExportIterationCsv(const AppState& state, FileDialogs& dialogs,
                                              Prompter& prompter) {
    if (!calculationShown(state)) {
        prompter.show(
            {std::string(ExportCsvNothing), std::string(ExportCsvTitle), MessageIcon::Exclamation});
        return std::nullopt;
    }
    const std::optional<std::string> path = dialogs.saveFile(iterationCsvChoice());
    if (!path) {
        return std::nullopt;
    }
    try {
        prompter.setBusy(true);
        WriteIterationCsv(state, *path);
        prompter.setBusy(false);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, *path, "");
        return std::nullopt;
    }
    return path;
}

} // namespace torval
