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

TEST(PlotFile, NameIsTheSameWithOrWithoutTrailingSeparator) {
    const std::string expected = std::string("tmp") + nativeSeparator() + "torval.plt";
    for (const std::string directory : {"tmp", "tmp/", "tmp\\", "  tmp\\  "}) {
        EXPECT_EQ(PlotFileName(directory), expected) << directory;
    }
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

TEST(PlotFile, EveryPathwayTitleAndParameterLines) {
    const std::string as = "Skin Surface Area Available for Contact (As): p cm\xB2";
    const std::string fi = "Fraction Ingested from Contaminated Source (Fi): p ";
    const std::string fe = "Exposure Frequency (Fe): p ";
    const std::string te = "Exposure Time (Te): p ";
    const Lines food = {"Ingestion Rate (Ri): p kg/meal", fi, fe + "meals/yr"};
    const Lines tail = {"Exposure Duration (Dt): p yr", "Body Weight (Wb): p kg",
                        "Average Time period of exposure (Tavg): p day"};
    // The title, then the parameter lines before the shared tail (written in full for 0 and 3).
    // clang-format off
    const std::vector<Lines> cases = {
        {"Intake of Chemicals via Drinking Water (mg/(kg-day))", "Ingestion Rate (Ri): p l/day",
         fe + "day/yr", tail[0], tail[1], "Average Time Period of Exposure: p day"},
        {"Ingestion while Swimming (mg/(kg-day))", "Contact Rate (Rc): p l/hr", te + "hr/event",
         fe + "event/yr"},
        {"Dermal Intake ", as, "Dermal Permeability Constant (Rd): p cm/hr", te + "hr/day",
         fe + "day/yr"},
        {"Intake of Chemicals via Soil, Sediment, and Dust (mg/(kg-day))",
         "Ingestion Rate (Ri): p mg/day", fi, fe + "day/yr", tail[0], tail[1],
         "Average Time period of exposure (Tavg): p days"},
        {"Dermal Absorption of Soil, Sediment, and Dust (mg/(kg-day))", as + "/event",
         "Soil-to-Skin Adherence Factor (Ra): p mg/cm\xB2", "Absorption Factor (ABS): p ",
         fe + "events/yr"},
        {"Air Intake (mg/(kg-day))", "Inhalation Rate (Ri): pm\xB3/hr",
         "Dependent on Exposure Duration (Te): p hr/day", fe + "day/yr"},
        {"Ingestion of Fish and Shellfish (mg/(kg-day))"},
        {"Ingestion of Vegetables and other Produce (mg/(kg-day))"},
        {"Ingestion of Meat, Egg, and Dairy Products (mg/(kg-day))"}};
    // clang-format on
    for (std::int16_t code = 0; code < 9; ++code) {
        SCOPED_TRACE(code);
        Lines expected = cases[static_cast<std::size_t>(code)];
        if (code >= 6) {
            expected.insert(expected.end(), food.begin(), food.end());
        }
        if (code != 0 && code != 3) {
            expected.insert(expected.end(), tail.begin(), tail.end());
        }
        expected.insert(expected.begin() + 1, "Concentration of Chemical: 0.25 mg/l");
        expected.push_back("Length Unit: ");
        AppState state = drinkingWaterAnalysis();
        state.riskInput.IntakeType = code;
        std::ranges::fill(parameterSet(state.riskInput, code), "p");
        EXPECT_EQ(testing::slice(testing::linesOf(WritePlotFile(state)), 5, expected.size()),
                  expected);
    }
}

} // namespace
} // namespace torval
