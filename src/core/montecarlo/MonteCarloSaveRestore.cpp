#include "montecarlo/MonteCarloSaveRestore.h"

namespace torval {

// Whole-array copies: the copy takes the bounds of what it copies, every chemical included.
void SaveRestoreMonteCarloTables(AppState& state, bool restore) {
    if (!restore) {
        state.SavedMCInputRowCount = state.MCInputRowCount;
        state.SavedMCResultRowCount = state.MCResultRowCount;
        state.ResultCount = state.MonteCarloCount;
        state.SavedInputTGData = state.InputTGData;
        state.SavedResultTGData = state.ResultTGData;
        state.SavedSimulatedValues = state.SimulatedValues;
        return;
    }
    state.MCInputRowCount = state.SavedMCInputRowCount;
    state.MCResultRowCount = state.SavedMCResultRowCount;
    state.MonteCarloCount = state.ResultCount;
    state.InputTGData = state.SavedInputTGData;
    state.ResultTGData = state.SavedResultTGData;
    state.SimulatedValues = state.SavedSimulatedValues;
    // The calculation counts iterations from 1 to MonteCarloCount - 1; 1 means none.
    if (state.MonteCarloCount == 0) {
        state.MonteCarloCount = 1;
    }
}

void SaveMonteCarloTables(AppState& state, std::string_view callerTag) {
    if (callerTag == AnalysisCallerTag) {
        SaveRestoreMonteCarloTables(state, false);
    }
}

void RestoreMonteCarloTables(AppState& state, std::string_view callerTag) {
    if (callerTag == AnalysisCallerTag) {
        SaveRestoreMonteCarloTables(state, true);
    }
}

} // namespace torval
