// The results report, the plot file and the Monte Carlo file and report of an analysis.
#include "reports/ResultsReport.h"

#include "MonteCarloOutputTesting.h"
#include "ReportTesting.h"
#include "reports/MonteCarloFile.h"
#include "reports/MonteCarloOutputRows.h"
#include "reports/MonteCarloReport.h"
#include "reports/PlotFile.h"
#include "shell/Platform.h"

#include <algorithm>
#include <functional>

namespace torval {
namespace {

using testing::describe;
using testing::Lines;

AppState inputAnalysis() {
    AppState state;
    state.modelData.ModelName = "Input";
    state.riskInput.FileName = "C:\\risk\\a.tvl";
    state.riskInput.ConcChoice = 2;
    state.riskInput.AverageConc = "0.5";
    state.riskInput.MaximumConc = "0.9";
    state.riskInput.SpecifiedConc = "1.2";
    state.riskInput.DrinkingWater = {"2", "365", "70", "70", "25550"};
    state.riskInput.ResultText = "0.0125";
    return state;
}

TEST(ResultsReport, InputModeIsTheWholeDocument) {
    // clang-format off
    const Lines expected = {"[14]", "[14]", "[14]*Risk Assessment Model", "", "[13]",
        "[13]*PLUMEX Data Summary", "", "*PLUMEX Data Name: |20|Not Specified", "[13]",
        "[13]*Risk Data Summary", "", "*Risk Data Name: |20|C:\\risk\\a.tvl",
        "*Selected Concentration: |30|Specified Concentration",
        "*Average Concentration: |30|0.5 mg/l", "*Maximum Concentration: |30|0.9 mg/l",
        "*Specified Concentration: |30|1.2 mg/l", "", "*Ingestion of Drinking Water",
        "*  Ingestion Rate (Ri): |30|2 l/day", "*  Exposure Frequency (Fe): |30|365 day/yr",
        "*  Exposure Duration (Dt): |30|70 yr", "*  Body Weight (Wb): |30|70 kg",
        "*  Average Time period of exposure (Tavg): |30|25550 day", "",
        "*Risk Result: |20|0.0125 mg/(kg-day)", ""};
    // clang-format on
    EXPECT_EQ(describe(ResultsReportDocument(inputAnalysis())), expected);
}

TEST(ResultsReport, RiskPartEdgeCases) {
    struct Case {
        std::function<void(AppState&)> change;
        Lines present;
        Lines absent;
    };
    const std::vector<Case> cases = {
        {[](AppState& s) {
             s.riskInput.XInterval = "1:5";
             s.riskInput.TInterval = "2:3";
             s.riskInput.YInterval = "  ";
         },
         {"*X Range: |20|1:5", "*T Range: |20|2:3"},
         {"*Y Range: |20|  ", "*Z Range: |20|"}},
        {[](AppState& s) {
             s.riskInput.SpecifiedConc.clear();
             s.riskInput.ConcChoice = 1;
         },
         {"*Specified Concentration: |30| ", "*Selected Concentration: |30|Maximum Concentration"},
         {}},
        {[](AppState& s) {
             s.riskInput.ResultText = "Monte Carlo";
             s.ResultCount = 3;
             s.IntakeResults.redim({0, 3});
             s.IntakeResults.at(1) = 0.5;
             s.IntakeResults.at(2) = 12345.678;
             s.IntakeResults.at(3) = 99; // beyond ResultCount - 1
         },
         {"*Risk Result: |20|Monte Carlo", "*Monte Carlo Simulation Results", "|10|0.5",
          "|10|1.2346e+4"},
         {"|10|99"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        AppState state = inputAnalysis();
        cases[i].change(state);
        const Lines lines = describe(ResultsReportDocument(state));
        for (const std::string& line : cases[i].present) {
            EXPECT_NE(std::ranges::find(lines, line), lines.end()) << line;
        }
        for (const std::string& line : cases[i].absent) {
            EXPECT_EQ(std::ranges::find(lines, line), lines.end()) << line;
        }
    }
}

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

TEST(MonteCarloFile, TwoVariantsOfHundredTerms) {
    AppState state = testing::monteCarloOutputs();
    const std::vector<int> rows = countedMonteCarloRows(state);
    ASSERT_EQ(rows, (std::vector<int>{1, 3}));
    const Lines lines = testing::linesOf(WriteMonteCarloFile(state, rows));
    ASSERT_EQ(lines.size(), 4 + 2 * (16 + 100) + 1);
    // clang-format off
    const Lines head = {"Monte Carlo", "Type: Generated", "Total variants:  2",
        "Number of Monte Carlo Iterations: 100 ", "Variant: Ri", "Input Data:", "Mean: 2.5",
        "Variance: 0.25", "Minimum: 1", "Maximum: 4", "Distribution Type: Normal",
        "Number of Monte Carlo Iterations: 100", "Output Data:", "Arithmetic Mean: 2.4999",
        "Geometric Mean: 2.3", "Median: 2.5", "Minimum: 1.01", "Maximum: 3.99",
        "Standard Deviation: 0.5", "Simulation Output:", "-49.5"};
    // clang-format on
    EXPECT_EQ(testing::slice(lines, 0, head.size()), head);
    EXPECT_EQ(testing::slice(lines, 119, 2), (Lines{" 49.5", "Variant: Dt"}));
    EXPECT_EQ(lines[136], " 1950.5");
    EXPECT_EQ(testing::slice(lines, 235, 2), (Lines{" 2049.5", "[End File]"}));

    state.InputTGData.at(3, 2).Terms = "many";
    EXPECT_THROW(WriteMonteCarloFile(state, rows), RunTimeError);
}

TEST(MonteCarloFileReport, CountedVariantsInTwoColumns) {
    AppState state = testing::monteCarloOutputs();
    const Lines title = {"[14]|16|*Monte Carlo Silmulation for Risk", "[14]"};
    // clang-format off
    const Lines firstVariant = {"", "", "*Variant:  Ri", "[10]", "[10]_Input Data:",
        "[10]|10|Mean:|40|2.5", "[10]|10|Variance:|40|0.25", "[10]|10|Minimum:|40|1",
        "[10]|10|Maximum:|40|4", "[10]|10|Distribution Type:|40|Normal",
        "[10]|10|Number of Monte Carlo Iterations:|40|100", "[10]", "[10]_Output Data:",
        "[10]|10|Arithmetic Mean:|40|2.4999", "[10]|10|Geometric Mean:|40|2.3",
        "[10]|10|Median:|40|2.5", "[10]|10|Minimum:|40|1.01", "[10]|10|Maximum:|40|3.99",
        "[10]|10|Standard Deviation:|40|0.5"};
    // clang-format on
    const Lines lines = testing::describe(MonteCarloReportDocument(state));
    ASSERT_EQ(lines.size(), title.size() + 2 * firstVariant.size());
    EXPECT_EQ(testing::slice(lines, 0, 2), title);
    EXPECT_EQ(testing::slice(lines, 2, firstVariant.size()), firstVariant);
    EXPECT_EQ(lines[2 + 19 + 2], "*Variant:  Dt");

    state.ResultTGData.at(1, 2).Selected = false;
    state.ResultTGData.at(3, 2).Selected = false;
    EXPECT_EQ(testing::describe(MonteCarloReportDocument(state)), title);
}

} // namespace
} // namespace torval
