#include "reports/ResultsReport.h"

#include "ReportTesting.h"

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

} // namespace
} // namespace torval
