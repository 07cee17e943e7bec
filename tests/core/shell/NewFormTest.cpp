#include "shell/NewForm.h"

#include "AppState.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

struct ConfirmCase {
    int option;
    std::string modelName;
    std::int16_t chemicalCount; // MCChemicalCount afterwards, from 5 before
};

TEST(NewForm, OkSetsTheMediumItsModelNameAndTheNextPreselection) {
    const std::vector<ConfirmCase> cases = {
        {0, "Input", 1},
        {1, "Air", 5},
        {2, "Groundwater", 5},
        {3, "Surface Water - Near Field", 5},
        {4, "Surface Water - Far Field", 5},
        {5, "Surface Water - Sediment", 5},
        {6, "Groundwater", 5},
    };
    for (const ConfirmCase& c : cases) {
        SCOPED_TRACE("option " + std::to_string(c.option));
        AppState state;
        state.MCChemicalCount = 5;
        NewForm form(state);
        form.selectOption(c.option);
        form.ok();

        EXPECT_EQ(state.MediumCode, c.option);
        EXPECT_EQ(state.modelData.ModelName, c.modelName);
        EXPECT_EQ(state.MCChemicalCount, c.chemicalCount);
        EXPECT_EQ(state.LastMediumOption, c.option);
        EXPECT_EQ(NewForm(state).selectedOption(), c.option);
    }
}

TEST(NewForm, OpeningPreselectsTheLastConfirmedMediumAndCancelForgetsNothing) {
    AppState state;
    state.modelData.ModelName = "Surface Water";

    NewForm first(state);
    EXPECT_EQ(first.selectedOption(), Medium::Groundwater);
    first.selectOption(Medium::Air);
    first.ok();

    NewForm second(state);
    EXPECT_EQ(second.selectedOption(), Medium::Air);
    second.selectOption(Medium::SurfaceFarField);
    second.cancel();

    EXPECT_EQ(state.MediumCode, Medium::None);
    EXPECT_EQ(state.modelData.ModelName, "Air");
    EXPECT_EQ(state.LastMediumOption, Medium::Air);
    EXPECT_EQ(NewForm(state).selectedOption(), Medium::Air);
}

} // namespace
} // namespace torval
