#include "reports/PlotFile.h"

#include "ReportTesting.h"
#include "shell/Platform.h"

#include <algorithm>

namespace torval {
namespace {

using testing::Lines;

AppState drinkingWaterAnalysis() {
    AppState state;
    state.modelData.ModelName = "Groundwater";
    state.modelData.DataFileName = " C:\\data\\run.two ";
    state.riskInput.Concentration = "Monte Carlo|0.25:1";
    state.riskInput.DrinkingWater = {std::string(40, ' ') + "Monte Carlo|2.5:3", "365", "70", "70",
                                     "25550"};
    state.riskInput.ResultText = "1.5E-03";
    state.ResultCount = 2;
    return state;
}

TEST(PlotFile, RegularResultIsTheWholeFile) {
    // clang-format off
    const Lines expected = {"Monte Carlo", "Type: Concentrations", "Number of Terms: 1",
        "Monte Carlo Simulation", "Risk Assessment for Chemical Intakes",
        "Intake of Chemicals via Drinking Water (mg/(kg-day))",
        "Concentration of Chemical: 0.25 mg/l", "Ingestion Rate (Ri): 2.5 l/day",
        "Exposure Frequency (Fe): 365 day/yr", "Exposure Duration (Dt): 70 yr",
        "Body Weight (Wb): 70 kg", "Average Time Period of Exposure: 25550 day", "Length Unit: ",
        "Time Unit: ", "Concentration Unit: mg/l", "Ingestion Unit: mg/(kg-day)",
        "PLUMEX Data File Name: C:\\data\\run.two", "Data File Name: Input Data Not Saved", "",
        "Chemical Intake: 0.0015 mg/(kg-day)"};
    // clang-format on
    EXPECT_EQ(testing::linesOf(WritePlotFile(drinkingWaterAnalysis())), expected);
}

TEST(PlotFile, MonteCarloResultInInputModeOfASavedAnalysis) {
    AppState state = drinkingWaterAnalysis();
    state.modelData.ModelName = " INPUT ";
    state.riskInput.FileName = " C:\\risk\\a.tvl ";
    state.riskInput.ResultText = "Monte Carlo";
    state.ResultCount = 4;
    state.IntakeResults.redim({0, 4});
    state.IntakeResults.at(1) = 0.5;
    state.IntakeResults.at(2) = 12345.678;
    state.IntakeResults.at(3) = -2;
    state.IntakeResults.at(4) = 99; // beyond ResultCount - 1
    const Lines lines = testing::linesOf(WritePlotFile(state));
    EXPECT_EQ(lines[2], "Number of Terms: 3");
    const Lines tail = {"PLUMEX Data File Name: Not Specified",
                        "Risk Data File Name: C:\\risk\\a.tvl",
                        "",
                        "Chemical Intake: Monte Carlo Simulation",
                        "0.5",
                        "1.2346e+4",
                        "-2"};
    EXPECT_EQ(testing::slice(lines, 16, 99), tail);
}

} // namespace
} // namespace torval
