#include "datafiles/ChemicalSelectionForm.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

using testing::RecordingPrompter;

// Each chemical's record holds a single value naming the record and the array it sits in, so
// that the data set tells which record was made current.
AppState stateWith(const std::vector<std::string>& names, const std::string& modelName,
                   std::int16_t current, std::int16_t monteCarloCurrent) {
    AppState state;
    ModelDataSet& data = state.modelData;
    const auto count = static_cast<std::int16_t>(names.size());
    data.ModelName = modelName;
    data.ChemicalCount = count;
    data.CurrentChemical = current;
    state.MCCurrentChemical = monteCarloCurrent;
    data.ChemicalNames.redim({0, count});
    data.SpeciesData.redim({0, count});
    data.AirChemicalData.redim({0, count});
    for (std::int16_t i = 1; i <= count; ++i) {
        data.ChemicalNames.at(i) = names[i - 1];
        data.SpeciesData.at(i).DataType = 2;
        data.SpeciesData.at(i).ModelResult = "species " + std::to_string(i);
        data.AirChemicalData.at(i).DataType = 2;
        data.AirChemicalData.at(i).ModelResult = "air " + std::to_string(i);
    }
    return state;
}

TEST(ChemicalSelectionForm, OkMakesTheFirstChemicalContainingTheChoiceCurrent) {
    struct Case {
        std::string name;
        std::vector<std::string> names;
        std::string modelName;
        std::int16_t current;
        std::int16_t monteCarloCurrent;
        std::size_t row;
        std::int16_t expectedCurrent;
        bool changed;
        std::string result; // ModelResult afterwards: the record made current
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"confirming the current chemical", {"TCE", "DCE", "VC"}, "Groundwater", 2, 2, 1, 2, false, ""},
        {"another species", {"TCE", "DCE", "VC"}, "Groundwater", 1, 1, 2, 3, true, "species 3"},
        {"an air chemical", {"Benzene", "Toluene"}, "Air", 1, 1, 1, 2, true, "air 2"},
        {"an earlier, longer name containing the choice wins",
         {"Vinyl chloride monomer", "Vinyl chloride"},
         "Groundwater",
         2,
         2,
         1,
         1,
         true,
         "species 1"},
        {"a short name before a longer one containing it", {"DCE", "cis-DCE"}, "Groundwater", 1, 1, 1, 2, true, "species 2"},
        {"the Monte Carlo chemical decides what is a change", {"TCE", "DCE"}, "Groundwater", 2, 1, 0, 2, false, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = stateWith(c.names, c.modelName, c.current, c.monteCarloCurrent);
        RecordingPrompter prompter;
        ChemicalSelectionForm form(state, prompter);
        form.selectRow(c.row);
        form.ok();
        EXPECT_EQ(state.modelData.CurrentChemical, c.expectedCurrent);
        EXPECT_EQ(state.MCCurrentChemical, c.changed ? c.expectedCurrent : c.monteCarloCurrent);
        EXPECT_EQ(form.ChemicalChanged(), c.changed);
        EXPECT_EQ(state.modelData.ModelResult, c.result);
        EXPECT_TRUE(prompter.messages.empty());
    }
}

} // namespace
} // namespace torval
