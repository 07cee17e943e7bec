#include "montecarlo/VariantTable.h"

#include "shell/Text.h"

namespace torval {

void InitialiseMonteCarloTables(AppState& state, std::int16_t rowCount) {
    state.MCInputRowCount = rowCount;
    state.MCResultRowCount = rowCount;
    if (state.MCChemicalCount < 1) {
        state.MCChemicalCount = 1;
    }
    state.InputTGData.redim({0, rowCount}, {0, state.MCChemicalCount});
    state.ResultTGData.redim({0, rowCount}, {0, state.MCChemicalCount});
    const std::int16_t chemical = state.MCCurrentChemical;
    for (int row = 1; row <= rowCount; ++row) {
        state.InputTGData.at(row, chemical).InUse = false;
        MonteCarloResult& result = state.ResultTGData.at(row, chemical);
        result.Marker = "Nothing";
        result.Selected = false;
    }
}

void ClearTGData(AppState& state, int row) {
    state.InputTGData.at(row, state.MCCurrentChemical) = MonteCarloVariant{};
    state.ResultTGData.at(row, state.MCCurrentChemical) = MonteCarloResult{};
}

std::string FirstTerms(const AppState& state) {
    for (int row = 1; row <= state.MCInputRowCount; ++row) {
        const std::string terms =
            trimBlanks(state.InputTGData.at(row, state.MCCurrentChemical).Terms);
        if (!terms.empty()) {
            return terms;
        }
    }
    return {};
}

} // namespace torval
