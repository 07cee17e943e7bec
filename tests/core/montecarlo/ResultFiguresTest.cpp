// The figures drawn from a calculation's iterations, on cases worked by hand: percentiles,
// rank correlations with ties, the running mean and P95, risk and hazard quotient, the
// iteration CSV, and the inputs a Monte Carlo calculation varied.
#include "intake/VariedInputs.h"
#include "montecarlo/Convergence.h"
#include "montecarlo/IntakeSummary.h"
#include "montecarlo/IterationCsv.h"
#include "montecarlo/RiskFigures.h"
#include "montecarlo/Sensitivity.h"
#include "montecarlo/Statistics.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

namespace torval {
namespace {

// x = 1, 2, 2, 3 ranks 1, 2.5, 2.5, 4; against y = 1, 3, 2, 4 the deviations give
// 4.5 / sqrt(4.5 x 5) = sqrt(0.9). Against z = 4, 3, 2, 1 y gives -4 / 5.
TEST(ResultFigures, RankCorrelationUsesAverageRanksForTies) {
    EXPECT_EQ(averageRanks(std::vector<double>{2, 5, 2}), (std::vector<double>{1.5, 3, 1.5}));
    const std::vector<double> y = {1, 3, 2, 4};
    EXPECT_DOUBLE_EQ(rankCorrelation(std::vector<double>{1, 2, 2, 3}, y), std::sqrt(0.9));
    EXPECT_DOUBLE_EQ(rankCorrelation(std::vector<double>{3, 2, 1}, std::vector<double>{1, 8, 9}),
                     -1);
    EXPECT_EQ(rankCorrelation(std::vector<double>{7, 7, 7, 7}, y), 0) << "no spread";

    const std::vector<VariedInput> inputs = {{"z", {4, 3, 2, 1}}, {"x", {1, 2, 2, 3}}};
    const std::vector<SensitivityEntry> entries = SensitivityAnalysis(inputs, y);
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[0].input, "x") << "sorted by |r|";
    EXPECT_DOUBLE_EQ(entries[0].contribution, 0.9 / 1.54);
    EXPECT_DOUBLE_EQ(entries[1].rankCorrelation, -0.8);
    EXPECT_DOUBLE_EQ(entries[1].contribution, 0.64 / 1.54);
}

// 4 2 6 8 0 10 2 4 6 8: the running P95 is element floor(0.95 k) of the first k sorted
// (4 2 4 6 6 8 8 8 8 8); the mean moves from 42/9 to 5 over the last tenth, by 1/15.
TEST(ResultFigures, ConvergenceFollowsTheRunningMeanAndP95) {
    const std::vector<double> intakes = {4, 2, 6, 8, 0, 10, 2, 4, 6, 8};
    const ConvergenceFigures figures = convergenceOf(intakes);
    EXPECT_EQ(figures.runningP95, (std::vector<double>{4, 2, 4, 6, 6, 8, 8, 8, 8, 8}));
    EXPECT_DOUBLE_EQ(figures.runningMean[6], 32.0 / 7);
    EXPECT_DOUBLE_EQ(*figures.meanRelativeChange, 1.0 / 15);
    EXPECT_EQ(*figures.p95RelativeChange, 0);
    EXPECT_FALSE(convergenceOf(std::vector<double>{3}).meanRelativeChange.has_value());

    // Against sorting afresh at every count, on values with many ties.
    std::mt19937 engine(5);
    std::vector<double> random(600);
    std::generate(random.begin(), random.end(), [&] { return double(engine() % 50); });
    const ConvergenceFigures running = convergenceOf(random);
    for (std::size_t k = 1; k <= random.size(); k += 37) {
        const std::vector<double> first(random.begin(), random.begin() + std::ptrdiff_t(k));
        ASSERT_EQ(running.runningP95[k - 1], summariseIntakes(first).p95) << k;
    }
}

// Intakes 1, 2, 4, 10 (x 1e-6) with a slope factor 0.5 and a reference dose 2e-6: risks
// 5e-7 1e-6 2e-6 5e-6 and quotients 0.5 1 2 5; two of four strictly above each limit.
TEST(ResultFigures, RiskAndHazardQuotientFromIntakes) {
    const std::vector<double> intakes = {1e-6, 10e-6, 2e-6, 4e-6};
    const RiskFigures figures = riskFiguresOf(intakes, {0.5, 2e-6});
    ASSERT_TRUE(figures.cancerRisk && figures.hazardQuotient);
    EXPECT_DOUBLE_EQ(figures.cancerRisk->p5, 5e-7);
    EXPECT_DOUBLE_EQ(figures.cancerRisk->median, 1e-6);
    EXPECT_DOUBLE_EQ(figures.cancerRisk->p95, 2e-6);
    EXPECT_DOUBLE_EQ(figures.cancerRisk->mean, 2.125e-6);
    EXPECT_EQ(figures.cancerRisk->fractionAboveLimit, 0.5);
    EXPECT_DOUBLE_EQ(figures.hazardQuotient->mean, 2.125);
    EXPECT_EQ(figures.hazardQuotient->fractionAboveLimit, 0.5);

    const RiskFigures single = riskFiguresOf(std::vector<double>{0.003}, {std::nullopt, 0.01});
    EXPECT_FALSE(single.cancerRisk.has_value());
    EXPECT_DOUBLE_EQ(single.hazardQuotient->median, 0.3);
    EXPECT_EQ(single.hazardQuotient->fractionAboveLimit, 0);
    EXPECT_EQ(testing::codeOf([&] {
                  riskFiguresOf(intakes, {std::nullopt, 0.0});
              }),
              ErrorCode::DivisionByZero)
        << "a reference dose of 0";
}

TEST(ResultFigures, IterationCsvQuotesLabelsAndLeavesFailedValuesEmpty) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<VariedInput> inputs = {{"Rate, \"adult\"", {1, 0.5}}, {"C", {2, nan}}};
    EXPECT_EQ(IterationCsv(inputs, std::vector<double>{0.25, 1e-7}),
              "Iteration,\"Rate, \"\"adult\"\"\",C,Intake\n1,1,2,0.25\n2,0.5,,1E-07\n");
    EXPECT_EQ(IterationCsv({}, std::vector<double>{3}), "Iteration,Intake\n1,3\n");
    EXPECT_THROW(IterationCsv(inputs, std::vector<double>{1}), RunTimeError);
}

// Drinking water with the specified concentration on variant 1 and the body weight (the
// fourth parameter) on variant 2: the inputs come back as the evaluations read them, while a
// typed parameter is no varied input.
TEST(ResultFigures, VariedInputsAreTheValuesEachEvaluationRead) {
    AppState state;
    state.riskInput.IntakeType = 0;
    state.riskInput.ConcChoice = 2;
    state.riskInput.SpecifiedConc = "Monte Carlo|0.05:1";
    state.riskInput.DrinkingWater = {"2", "350", "30", "Monte Carlo|70:2", "25550"};
    state.SavedSimulatedValues.redim({0, 2}, {0, 3}, {0, 1});
    for (int i = 1; i <= 3; ++i) {
        state.SavedSimulatedValues.at(1, i, 1) = 0.01 * i;
        state.SavedSimulatedValues.at(2, i, 1) = 60 + i;
    }
    state.ResultCount = 4;
    const std::vector<VariedInput> inputs = VariedInputValues(state);
    ASSERT_EQ(inputs.size(), 2U);
    EXPECT_EQ(inputs[0].label, "Specified Concentration");
    EXPECT_EQ(inputs[0].values, (std::vector<double>{0.01, 0.02, 0.03}));
    EXPECT_EQ(inputs[1].label, "Body Weight (Wb)");
    EXPECT_EQ(inputs[1].values, (std::vector<double>{61, 62, 63}));
}

std::vector<double> oneTo(int n) {
    std::vector<double> values(static_cast<std::size_t>(n));
    std::iota(values.rbegin(), values.rend(), 1.0); // descending: the summary sorts
    return values;
}

// Percentiles are elements of the series, at n * p rounded down (at least the first), and the
// median is the one of the Monte Carlo statistics for every count.
TEST(IntakeSummary, PercentilesAreElementsAndTheMedianIsTheStatisticsOne) {
    struct Case {
        int n;
        double p5, median, p95;
    };
    const std::vector<Case> cases = {
        {1, 1, 1, 1}, {4, 1, 2, 3}, {10, 1, 5, 9}, {11, 1, 5, 10}, {1000, 50, 500, 950},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        const std::vector<double> intakes = oneTo(c.n);
        const IntakeSummary summary = summariseIntakes(intakes);
        EXPECT_EQ(summary.p5, c.p5);
        EXPECT_EQ(summary.median, c.median);
        EXPECT_EQ(summary.p95, c.p95);
        EXPECT_EQ(summary.minimum, 1);
        EXPECT_EQ(summary.maximum, c.n);
        if (c.n > 1) {
            const std::vector<float> series(intakes.begin(), intakes.end());
            EXPECT_EQ(computeStatistics(series).median, static_cast<float>(summary.median));
        }
    }
}

} // namespace
} // namespace torval
