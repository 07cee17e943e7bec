#include "core/intake/AnalysisFormFixture.h"

namespace torval::testing {
namespace {

using AnalysisDisplayTest = AnalysisFormTest;

TEST_F(AnalysisDisplayTest, ShowsTheDataFileWithItsUnitsAndConcentrations) {
    fillGroundwaterXY(state);
    state.modelData.DataFileName = "/data/Site/plume.two";
    state.riskInput.XInterval = "0:10";
    state.riskInput.YInterval = "5:5";
    state.riskInput.AverageConc = "stored";
    openWindow();

    EXPECT_EQ(text(0), "GROUNDWATER - TWO DIMENSIONAL");
    EXPECT_EQ(text(1), "/DATA/SITE/PLUME.TWO");
    EXPECT_EQ(text(2), "0:20:10");
    EXPECT_EQ(text(3), "0:5:5");
    EXPECT_EQ(text(6), "0:10");
    EXPECT_EQ(text(7), "5:5");
    EXPECT_EQ(text(10), "102.5") << "the data set's average, not the stored text";
    EXPECT_EQ(text(11), "205");
    for (const int row : {2, 3, 4, 6, 7, 8}) {
        EXPECT_EQ(form->row(row).unit, "m") << row;
    }
    EXPECT_EQ(form->row(5).unit, "day");
    EXPECT_EQ(form->row(10).unit, "mg/l");
    EXPECT_EQ(form->controls().kindLabel, "Regular");
}

TEST_F(AnalysisDisplayTest, AFileWithItsOwnMonteCarloValuesShowsTheAverageAsAReference) {
    state.riskInput.ModelDataUsed = true;
    state.modelData.DataType = 0;
    state.modelData.AverageConcentration = 1.0 / 3.0;
    state.modelData.MaximumConcentration = 0.5;
    openWindow();

    EXPECT_EQ(text(10), "Monte Carlo" + std::string(500, ' ') + "0.33333");
    EXPECT_EQ(text(11), "0.5");
    EXPECT_TRUE(form->row(10).red());
    EXPECT_EQ(form->controls().kindLabel, "Monte Carlo");

    form->StripMonteCarloReferences();
    EXPECT_EQ(text(10), "Monte Carlo" + std::string(500, ' ') + "0.33333")
        << "the file's own reference stays";
}

} // namespace
} // namespace torval::testing
