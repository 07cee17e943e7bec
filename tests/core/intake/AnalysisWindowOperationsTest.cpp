#include "core/intake/AnalysisFormFixture.h"
#include "intake/Pathways.h"

namespace torval::testing {
namespace {

using AnalysisWindowOperationsTest = AnalysisFormTest;

TEST_F(AnalysisWindowOperationsTest, ReadingTheWindowFillsOnlyTheCurrentSet) {
    fillGroundwaterXY(state);
    openWindow();
    type(6, " 0:10 ");
    form->selectConcentration(1);
    type(12, " 3 ");
    form->selectPathway(3);
    const std::vector<std::string> soil = {"200", "0.5", "365", "70", "70", "70"};
    for (int row = 14; row <= 19; ++row) {
        type(row, " " + soil[static_cast<std::size_t>(row - 14)] + " ");
    }
    RiskInput input;
    input.DrinkingWater = {"kept", "", "", "", ""};
    form->ReadInputFromWindow(input);

    EXPECT_EQ(input.XInterval, "0:10");
    EXPECT_EQ(input.ZInterval, "") << "a hidden row reads empty";
    EXPECT_EQ(input.ConcChoice, 1);
    EXPECT_EQ(input.MaximumConc, "205");
    EXPECT_EQ(input.SpecifiedConc, "3");
    EXPECT_EQ(input.Concentration, "205");
    EXPECT_EQ(input.IntakeType, 3);
    EXPECT_EQ(input.SoilIngestion, soil);
    EXPECT_EQ(input.DrinkingWater[0], "kept");

    // Fish reads the same rows into its own set; soil keeps what it had.
    form->selectPathway(6);
    type(14, "0.284");
    form->ReadInputFromWindow(input);
    EXPECT_EQ(input.SoilIngestion, soil);
    EXPECT_EQ(input.Fish[0], "0.284");
    EXPECT_EQ(input.Fish[1], "0.5");
}

} // namespace
} // namespace torval::testing
