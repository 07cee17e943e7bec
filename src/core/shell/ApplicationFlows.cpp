#include "shell/ApplicationFlows.h"

#include "shell/Text.h"

#include <algorithm>
#include <cstdint>

namespace torval {

namespace {

// A typed-in concentration: no data set, and a unit the user's numbers are taken in.
void prepareInputMode(AppState& state) {
    state.modelData.DataType = -1;
    state.riskInput.ModelDataUsed = false;
    state.modelData.ConcentrationUnit = "mg/l";
    state.modelData.ModelName = "input";
    state.modelData.CurrentChemical = 0;
    state.MCCurrentChemical = 1;
    state.MCChemicalCount = 1;
}

// Only files that carry several chemicals (air, and groundwater with multiple species) have a
// chemical to point at; for the others the current chemical stays 0.
std::int16_t firstChemicalOf(const AppState& state) {
    const std::string model = lowerCase(state.modelData.ModelName);
    const bool severalChemicals =
        contains(model, "air") ||
        (contains(model, "groundwater") && state.MediumCode == Medium::GroundwaterMultipleSpecies);
    return severalChemicals ? 1 : 0;
}

void prepareLoadedData(AppState& state) {
    state.riskInput.ModelDataUsed = true;
    state.modelData.CurrentChemical = firstChemicalOf(state);
    // The Monte Carlo window needs at least one chemical to work on.
    state.MCCurrentChemical = std::max<std::int16_t>(state.modelData.CurrentChemical, 1);
    state.MCChemicalCount = std::max<std::int16_t>(state.modelData.ChemicalCount, 1);
}

void startAnalysis(AppState& state, std::int16_t analysisState, bool fromRiskFile,
                   AnalysisWindow& window) {
    state.AnalysisState = analysisState;
    state.RiskFileOpened = fromRiskFile;
    window.show(state);
}

} // namespace

bool NewApplication(AppState& state, NewApplicationDialog& dialog, DataFileLoader& loader,
                    AnalysisWindow& window) {
    dialog.show(state);
    if (state.MediumCode == Medium::None) {
        return false;
    }
    ResetRiskInput(state.riskInput);
    if (state.MediumCode == Medium::Input) {
        prepareInputMode(state);
    } else {
        if (!loader.chooseAndLoad(state)) {
            return false;
        }
        prepareLoadedData(state);
    }
    startAnalysis(state, Analysis::Changed, false, window);
    return true;
}

bool OpenApplication(AppState& state, RiskFileOpener& opener, AnalysisWindow& window) {
    if (!opener.chooseAndRead(state)) {
        return false;
    }
    startAnalysis(state, Analysis::Saved, true, window);
    return true;
}

bool OpenApplication(AppState& state, std::string_view path,
                     const std::function<bool(AppState&, std::string_view)>& read,
                     AnalysisWindow& window) {
    if (!read(state, path)) {
        return false;
    }
    startAnalysis(state, Analysis::Saved, true, window);
    return true;
}

} // namespace torval
