#include "montecarlo/MonteCarloSelection.h"

#include "MonteCarloTestState.h"
#include "intake/MonteCarloReference.h"
#include "intake/ParamDisplayValue.h"
#include "montecarlo/MonteCarloSaveRestore.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::bodyWeightVariant;
using testing::monteCarloState;

// Row 2 holds the statistics of Body Weight (mean "70.0"), with the given marker.
AppState stateWithMarker(const std::string& marker) {
    AppState state = monteCarloState(3);
    MonteCarloVariant variant = bodyWeightVariant();
    variant.Mean = " 70.0 ";
    state.InputTGData.at(2, 1) = variant;
    state.ResultTGData.at(2, 1) = {"Body Weight", "65",  "41", "99",  "70.25",
                                   "69.5",        "9.9", true, marker};
    state.SimulationGenerated = true;
    return state;
}

// Only the analysis window's selection writes, and only into the entry a selected row names.
TEST(MonteCarloSelection, WritesTheChosenStatisticIntoTheNamedEntry) {
    const std::string reference = std::string(500, ' ') + "Monte Carlo|70.0:2";
    struct Case {
        std::string marker;
        std::string text;
        std::string variant = "Body Weight";
        bool selected = true;
        std::string label = " body weight ";
        std::string_view tag = AnalysisCallerTag;
    };
    const std::vector<Case> cases = {
        {"Minimum", "41"},
        {"MAXIMUM", "99"},
        {"Standard Deviation", "9.9"},
        {"Arithematic Mean", "70.25"},
        {"geometric mean", "69.5"},
        {"Median", "65"},
        {"Variant", reference},
        {"variants", reference},
        {"Nothing", "70"},
        {"Arithmetic Mean", "typed"},
        {"", "typed"},
        {"Minimum", "typed", "", true, ""},
        {"Minimum", "typed", "Body Weight", false},
        {"Minimum", "typed", "Body Weight", true, "Body Weights"},
        {"Minimum", "typed", "Body Weight", true, "Body Weight", "MonteCarloForm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.marker + " " + c.label + " " + std::string(c.tag));
        AppState state = stateWithMarker(c.marker);
        state.ResultTGData.at(2, 1).Variant = c.variant;
        state.ResultTGData.at(2, 1).Selected = c.selected;
        std::vector<AnalysisEntry> entries{{10, "Average Concentration", "typed"},
                                           {13, c.label, "typed"}};
        ApplyMonteCarloSelection(state, entries, c.tag);
        EXPECT_EQ(entries[0].text, "typed");
        EXPECT_EQ(entries[1].text, c.text);
        const bool analysis = c.tag == AnalysisCallerTag;
        EXPECT_EQ(state.SavedResultTGData == state.ResultTGData, analysis);
        EXPECT_EQ(state.ResultsOutdated, analysis);
    }
    // The calculation finds the variant row and the window shows the mean.
    EXPECT_TRUE(isMonteCarloReference(reference));
    EXPECT_EQ(variantNumberOf(reference), 2);
    EXPECT_EQ(ParamDisplayValue(reference), "70.0");
}

// The saved copies give back the tables and counts they were taken from. Whatever bounds the
// values had (never generated, generated for fewer terms or rows), the copies span exactly what
// the counts say, so a reader going by the counts finds every element.
TEST(MonteCarloSaveRestore, TheCopiesTakeTheBoundsOfTheCounts) {
    struct Case {
        std::string what;
        std::int32_t monteCarloCount;
        bool generated;
        std::int64_t termsAfterRestore;
    };
    const std::vector<Case> cases = {
        {"variant rows but nothing generated", 1001, false, 1001},
        {"values for fewer terms than counted", 6, true, 6},
        {"values for more terms than counted", 2, true, 2},
        {"no count at all", 0, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppState state = monteCarloState(3, 2);
        state.InputTGData.at(2, 2) = bodyWeightVariant();
        state.ResultTGData.at(1, 2).Median = "65";
        state.MonteCarloCount = c.monteCarloCount;
        if (c.generated) {
            state.SimulatedValues.redim({0, 1}, {0, 4}, {0, 1});
            state.SimulatedValues.at(1, 2, 1) = 7.5;
        }
        const AppState before = state;
        SaveRestoreMonteCarloTables(state, false);
        EXPECT_EQ(state.ResultCount, c.monteCarloCount);
        state.MCInputRowCount = state.MCResultRowCount = 5;
        state.InputTGData.erase();
        state.ResultTGData.at(1, 2).Median = "1";
        state.SimulatedValues.erase();
        SaveRestoreMonteCarloTables(state, true);

        EXPECT_EQ(state.MCInputRowCount, before.MCInputRowCount);
        EXPECT_EQ(state.MCResultRowCount, before.MCResultRowCount);
        EXPECT_EQ(state.InputTGData, before.InputTGData);
        EXPECT_EQ(state.ResultTGData, before.ResultTGData);

        EXPECT_EQ(state.MonteCarloCount, c.termsAfterRestore);
        EXPECT_EQ(state.SimulatedValues.upper(1), 3);
        EXPECT_EQ(state.SimulatedValues.upper(2), c.monteCarloCount);
        EXPECT_EQ(state.SimulatedValues.upper(3), 2);
        EXPECT_EQ(state.SimulatedValues.at(3, c.monteCarloCount, 2), 0.0);
        EXPECT_EQ(state.SimulatedValues.at(1, std::min(2, c.monteCarloCount), 1),
                  c.generated && c.monteCarloCount >= 2 ? 7.5 : 0.0);
    }
}

} // namespace
} // namespace torval
