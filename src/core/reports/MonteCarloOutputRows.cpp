#include "reports/MonteCarloOutputRows.h"

namespace torval {

std::vector<int> countedMonteCarloRows(const AppState& state) {
    std::vector<int> rows;
    const int chemical = state.MCCurrentChemical;
    for (int r = 1; r <= state.MCInputRowCount; ++r) {
        if (state.InputTGData.at(r, chemical).InUse && r <= state.MCResultRowCount &&
            state.ResultTGData.at(r, chemical).Selected) {
            rows.push_back(r);
        }
    }
    return rows;
}

} // namespace torval
