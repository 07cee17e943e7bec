#include "shell/ApplicationFlows.h"

#include "AppState.h"
#include "shell/NewForm.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace torval {
namespace {

// The New Application dialog as a user drives it: picks an option and confirms, or cancels.
class ScriptedMediumChoice : public NewApplicationDialog {
public:
    explicit ScriptedMediumChoice(std::optional<int> option) : option_(option) {}

    void show(AppState& state) override {
        NewForm form(state);
        if (!option_) {
            form.cancel();
            return;
        }
        form.selectOption(*option_);
        form.ok();
    }

private:
    std::optional<int> option_;
};

// Loads "a file" by setting what a reader leaves in the data set.
class FakeLoader : public DataFileLoader {
public:
    std::string modelName; // as the reader names the model
    std::int16_t chemicalCount = 1;
    int calls = 0;

    bool chooseAndLoad(AppState& state) override {
        ++calls;
        state.modelData.ModelName = modelName;
        state.modelData.ChemicalCount = chemicalCount;
        return true;
    }
};

class FakeWindow : public AnalysisWindow {
public:
    int shown = 0;
    void show(AppState&) override { ++shown; }
};

// A state in the middle of a saved analysis of a multiple-species file.
AppState stateWithAnAnalysis() {
    AppState state;
    state.MediumCode = Medium::GroundwaterMultipleSpecies;
    state.LastMediumOption = Medium::GroundwaterMultipleSpecies;
    state.AnalysisState = Analysis::Calculated;
    state.RiskFileOpened = true;
    state.riskInput.ModelDataUsed = true;
    state.riskInput.XInterval = "0:100";
    state.riskInput.SpecifiedConc = "2.5";
    state.modelData.DataType = 7;
    state.modelData.ModelName = "Groundwater";
    state.modelData.ConcentrationUnit = "kg/m3";
    state.modelData.ChemicalCount = 3;
    state.modelData.CurrentChemical = 2;
    state.MCCurrentChemical = 2;
    state.MCChemicalCount = 3;
    return state;
}

TEST(NewApplication, CancellingTheMediumChoiceKeepsTheCurrentAnalysis) {
    AppState state = stateWithAnAnalysis();
    const AppState before = stateWithAnAnalysis();
    ScriptedMediumChoice cancel(std::nullopt);
    FakeLoader loader;
    FakeWindow window;

    EXPECT_FALSE(NewApplication(state, cancel, loader, window));

    EXPECT_EQ(state.MediumCode, Medium::None);
    EXPECT_EQ(state.LastMediumOption, before.LastMediumOption);
    EXPECT_EQ(state.AnalysisState, before.AnalysisState);
    EXPECT_EQ(state.RiskFileOpened, before.RiskFileOpened);
    EXPECT_EQ(state.riskInput, before.riskInput);
    EXPECT_TRUE(state.modelData == before.modelData);
    EXPECT_EQ(state.MCCurrentChemical, before.MCCurrentChemical);
    EXPECT_EQ(state.MCChemicalCount, before.MCChemicalCount);
    EXPECT_EQ(loader.calls, 0);
    EXPECT_EQ(window.shown, 0);
}

struct LoadedFileCase {
    std::string what;
    int option;
    std::string modelName; // as the reader leaves it
    std::int16_t chemicalCount;
    std::int16_t currentChemical;
    std::int16_t mcChemicalCount;
};

TEST(NewApplication, ALoadedFilePointsAtItsFirstChemicalOnlyWhenItHasSeveral) {
    // clang-format off
    const std::vector<LoadedFileCase> cases = {
        {"air", Medium::Air, "Air", 4, 1, 4},
        {"air named in capitals", Medium::Air, "AIR", 2, 1, 2},
        {"air without chemicals", Medium::Air, "Air", 0, 1, 1},
        {"groundwater, single species", Medium::Groundwater, "Groundwater", 1, 0, 1},
        {"groundwater, multiple species", Medium::GroundwaterMultipleSpecies, "Groundwater", 5, 1, 5},
        {"multiple species, count below one", Medium::GroundwaterMultipleSpecies, "Groundwater", -1, 1, 1},
        {"surface water near field", Medium::SurfaceNearField, "Surface Water", 1, 0, 1},
    };
    // clang-format on
    for (const LoadedFileCase& c : cases) {
        SCOPED_TRACE(c.what);
        AppState state = stateWithAnAnalysis();
        state.riskInput.ModelDataUsed = false;
        ScriptedMediumChoice choice(c.option);
        FakeLoader loader;
        loader.modelName = c.modelName;
        loader.chemicalCount = c.chemicalCount;
        FakeWindow window;

        EXPECT_TRUE(NewApplication(state, choice, loader, window));

        EXPECT_EQ(window.shown, 1);
        EXPECT_EQ(state.modelData.CurrentChemical, c.currentChemical);
        EXPECT_EQ(state.MCCurrentChemical, 1);
        EXPECT_EQ(state.MCChemicalCount, c.mcChemicalCount);
        EXPECT_TRUE(state.riskInput.ModelDataUsed);
        EXPECT_EQ(state.riskInput.XInterval, "");
        EXPECT_EQ(state.AnalysisState, Analysis::Changed);
        EXPECT_FALSE(state.RiskFileOpened);
    }
}

} // namespace
} // namespace torval
