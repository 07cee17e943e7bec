#include "reports/MonteCarloFile.h"

#include "MonteCarloOutputTesting.h"
#include "ReportTesting.h"
#include "reports/MonteCarloOutputRows.h"
#include "reports/MonteCarloReport.h"

namespace torval {
namespace {

using testing::Lines;

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
