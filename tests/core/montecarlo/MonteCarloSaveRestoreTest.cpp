#include "montecarlo/MonteCarloSaveRestore.h"

#include "MonteCarloTestState.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::bodyWeightVariant;
using testing::monteCarloState;

// Working tables of two chemicals with something in every table and count.
AppState filledState() {
    AppState state = monteCarloState(2, 2);
    state.InputTGData.at(2, 2) = bodyWeightVariant();
    state.ResultTGData.at(1, 2).Median = "65";
    state.SimulatedValues.redim({0, 2}, {0, 4}, {0, 2});
    state.SimulatedValues.at(2, 4, 2) = 7.5;
    state.MonteCarloCount = 4;
    return state;
}

TEST(MonteCarloSaveRestore, RestoresWhatWasSavedForTheAnalysisWindowOnly) {
    const AppState original = filledState();
    AppState state = original;
    SaveMonteCarloTables(state, "MonteCarloForm");
    EXPECT_FALSE(state.SavedInputTGData.isAllocated());
    SaveMonteCarloTables(state, AnalysisCallerTag);
    EXPECT_EQ(state.ResultCount, 4);

    state.MCInputRowCount = state.MCResultRowCount = 5;
    state.InputTGData.erase();
    state.ResultTGData.at(1, 2).Median = "1";
    state.SimulatedValues.redim({0, 1}, {0, 1}, {0, 1});
    RestoreMonteCarloTables(state, "MonteCarloForm");
    EXPECT_EQ(state.MCInputRowCount, 5);

    RestoreMonteCarloTables(state, AnalysisCallerTag);
    EXPECT_EQ(state.MCInputRowCount, original.MCInputRowCount);
    EXPECT_EQ(state.MCResultRowCount, original.MCResultRowCount);
    EXPECT_EQ(state.InputTGData, original.InputTGData);
    EXPECT_EQ(state.ResultTGData, original.ResultTGData);
    EXPECT_EQ(state.SimulatedValues, original.SimulatedValues);
    EXPECT_EQ(state.MonteCarloCount, 4);
}

} // namespace
} // namespace torval
