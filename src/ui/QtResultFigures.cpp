#include "ui/QtResultFigures.h"

#include "shell/ChemicalRiskValues.h"
#include "ui/IterationCsvExport.h"
#include "ui/RiskDialog.h"
#include "ui/SensitivityDialog.h"

namespace torval {

void QtResultFigures::showSensitivity(AppState& state) {
    SensitivityDialog dialog(state, parent_);
    dialog.exec();
}

void QtResultFigures::showRisk(AppState& state) {
    RiskDialog dialog(state, prompter_, chemicalRiskValuesPath(state.IniFilePath), parent_);
    dialog.exec();
}

void QtResultFigures::exportIterations(AppState& state) {
    exportIterationCsv(parent_, state, dialogs_, prompter_);
}

} // namespace torval
