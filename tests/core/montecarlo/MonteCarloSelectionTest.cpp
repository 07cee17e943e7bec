#include "montecarlo/MonteCarloSelection.h"

#include "MonteCarloTestState.h"
#include "intake/MonteCarloReference.h"
#include "intake/ParamDisplayValue.h"
#include "montecarlo/MonteCarloSaveRestore.h"

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

TEST(MonteCarloSelection, WritesTheChosenStatisticIntoTheNamedEntry) {
    const std::string reference = std::string(500, ' ') + "Monte Carlo|70.0:2";
    const std::vector<std::pair<std::string, std::string>> cases = {
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
    };
    for (const auto& [marker, text] : cases) {
        SCOPED_TRACE(marker);
        AppState state = stateWithMarker(marker);
        std::vector<AnalysisEntry> entries{{10, "Average Concentration", "typed"},
                                           {13, " body weight ", "typed"}};
        ApplyMonteCarloSelection(state, entries, AnalysisCallerTag);
        EXPECT_EQ(entries[0].text, "typed");
        EXPECT_EQ(entries[1].text, text);
        EXPECT_EQ(state.SavedResultTGData, state.ResultTGData);
        EXPECT_TRUE(state.ResultsOutdated);
    }
    // The calculation finds the variant row and the window shows the mean.
    EXPECT_TRUE(isMonteCarloReference(reference));
    EXPECT_EQ(variantNumberOf(reference), 2);
    EXPECT_EQ(ParamDisplayValue(reference), "70.0");
}

TEST(MonteCarloSelection, LeavesEntriesNoGeneratedVariantNames) {
    struct Case {
        std::string name;
        std::string variant;
        bool selected;
        std::string label;
        std::string_view tag;
    };
    const std::vector<Case> cases = {
        {"empty variant", "", true, "", AnalysisCallerTag},
        {"not selected", "Body Weight", false, "Body Weight", AnalysisCallerTag},
        {"other label", "Body Weight", true, "Body Weights", AnalysisCallerTag},
        {"other caller", "Body Weight", true, "Body Weight", "MonteCarloForm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = stateWithMarker("Minimum");
        state.ResultTGData.at(2, 1).Variant = c.variant;
        state.ResultTGData.at(2, 1).Selected = c.selected;
        std::vector<AnalysisEntry> entries{{13, c.label, "typed"}};
        ApplyMonteCarloSelection(state, entries, c.tag);
        EXPECT_EQ(entries[0].text, "typed");
    }
}

} // namespace
} // namespace torval
