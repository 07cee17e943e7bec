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

TEST(ResultsReport, ModelBlockFollowsTheModel) {
    struct Case {
        std::string model;
        std::int16_t dataType;
        Lines block; // from the model line to the units
    };
    const Lines units = {
        "", "*Units:", "  Length: |20|f&t", "  Time: |20|day", "  Concentration: |20|mg/l", ""};
    const std::vector<Case> cases = {
        {"Groundwater",
         5,
         {"*Model: |20|Groundwater -- Deep", "*Aquifer: |20|Sandy", "*Contaminant: |20|Benzene"}},
        {"Surface Water", 0, {"*Model: |20|Surface Water -- Deep", "*Sub Model Type: |20|Estuary"}},
        {"Air", 2, {"*Model: |20|Air -- Deep"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        AppState state = inputAnalysis();
        ModelDataSet& data = state.modelData;
        data.DataFileName = "C:\\run.two";
        data.ModelName = c.model;
        data.SubModelName = "Deep";
        data.SubTypeName = "Estuary";
        data.AquiferName = "Sandy";
        data.ContaminantName = "Benzene";
        data.DataType = c.dataType;
        data.LengthUnit = "f&&t"; // only the first "&" goes
        data.TimeUnit = "&day";
        data.ConcentrationUnit = "mg/l";
        Lines expected = {"*PLUMEX Data Name: |20|C:\\run.two"};
        expected.insert(expected.end(), c.block.begin(), c.block.end());
        expected.insert(expected.end(), units.begin(), units.end());
        expected.push_back(c.dataType == 0 ? "*PLUMEX Result: |20|Monte Carlo"
                                           : "*PLUMEX Result: |20|Regular");
        expected.insert(expected.end(), {"", "[13]"});
        EXPECT_EQ(testing::slice(describe(ResultsReportDocument(state)), 7, expected.size()),
                  expected);
    }
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

TEST(ResultsReport, EveryPathwaySection) {
    const std::string fe = "*  Exposure Frequency (Fe): |30|p ";
    const std::string te = "*  Exposure Time (Te): |30|p ";
    const std::string as = "*  Skin Surface Area Available for Contact (As): |30|p cm\u00B2";
    const std::string fi = "*  Fraction Ingested from Contaminated Source (Fi): |30|p";
    const Lines food = {"*  Ingestion Rate (Ri): |30|p kg/meal", fi, fe + "meal/yr"};
    const Lines tail = {"*  Exposure Duration (Dt): |30|p yr", "*  Body Weight (Wb): |30|p kg",
                        "*  Average Time period of exposure (Tavg): |30|p day", ""};
    // The title, then the parameter lines before the shared tail.
    // clang-format off
    const std::vector<Lines> cases = {
        {"*Ingestion of Drinking Water", "*  Ingestion Rate (Ri): |30|p l/day", fe + "day/yr"},
        {"*Ingestion While Swimming", "*  Contact Rate (Rc): |30|p l/hr", te + "hr/event",
         fe + "event/yr"},
        {"*Dermal Intake", as, "*  Dermal Permeability Constant (Rd): |30|p cm/hr", te + "hr/day",
         fe + "day/yr"},
        {"*Intake of Chemicals via Soil, Sediment, and Dust",
         "*  Ingestion Rate (Ri): |30|p mg/day", fi, fe + "day/yr"},
        {"*Dermal Absorption of Soil, Sediment, and Dust", as + "/event",
         "*  Soil-to-Skin Adherence Factor (Ra): |30|p mg/cm\u00B2",
         "*  Absorption Factor (ABS): |30|p", fe + "events/yr"},
        {"*Air Intakes", "*  Inhalation Rate (Ri): |30|p m\u00B3/hr",
         "*  Dependent on Exposure Duration (Te): |30|p hr/day", fe + "day/yr"},
        {"*Ingestion of Fish and Shellfish"},
        {"*Ingestion of Vegetables and Other Produce"},
        {"*Ingestion of Meat, Eggs, and Dairy Products"}};
    // clang-format on
    for (std::int16_t code = 0; code < 9; ++code) {
        SCOPED_TRACE(code);
        Lines expected = cases[static_cast<std::size_t>(code)];
        if (code >= 6) {
            expected.insert(expected.end(), food.begin(), food.end());
        }
        expected.insert(expected.end(), tail.begin(), tail.end());
        AppState state = inputAnalysis();
        state.riskInput.IntakeType = code;
        std::ranges::fill(parameterSet(state.riskInput, code), "p");
        EXPECT_EQ(testing::slice(describe(ResultsReportDocument(state)), 17, expected.size()),
                  expected);
    }
}

} // namespace
} // namespace torval
