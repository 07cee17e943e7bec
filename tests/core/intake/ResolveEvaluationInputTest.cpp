#include "intake/IntakeEquations.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

// Variants 1..3, iterations 1..4. Chemical 1 holds variant x 100 + iteration + 0.5; chemical
// 2 holds -1 everywhere, which a resolution must never see.
AppState stateWithSimulatedValues() {
    AppState state;
    state.SavedSimulatedValues.redim({1, 3}, {0, 4}, {1, 2});
    for (int variant = 1; variant <= 3; ++variant) {
        for (int iteration = 1; iteration <= 4; ++iteration) {
            state.SavedSimulatedValues.at(variant, iteration, 1) = variant * 100 + iteration + 0.5;
            state.SavedSimulatedValues.at(variant, iteration, 2) = -1.0;
        }
    }
    return state;
}

// A data file with its own Monte Carlo concentrations for iterations 1..3.
void loadMonteCarloFile(AppState& state) {
    state.modelData.DataType = 0;
    state.modelData.McIterationCount = 4;
    state.modelData.McIterationValues.redim({0, 3});
    state.modelData.McIterationValues.at(1) = 0.25;
    state.modelData.McIterationValues.at(2) = 0.1 + 0.2; // 0.30000000000000004
    state.modelData.McIterationValues.at(3) = 1.0 / 3.0;
}

TEST(ResolveEvaluationInput, SelectsAndResolvesTheConcentration) {
    struct Case {
        const char* name;
        std::int16_t choice;
        std::string specified;
        bool monteCarloFile;
        std::int16_t evaluation;
        std::string concentration;
    };
    const std::vector<Case> cases = {
        {"average", 0, "7", false, 1, "avg"},
        {"maximum", 1, "7", false, 1, "max"},
        {"specified, copied as typed", 2, " 7 ", false, 1, " 7 "},
        {"no choice leaves the previous text", 3, "7", false, 1, "previous"},
        {"variant 2 of iteration 3", 2, "Monte Carlo:2", false, 3, "203.5"},
        {"variant number rounded", 2, "Monte Carlo: 2.6", false, 1, "301.5"},
        {"the file's value, whatever variant is named", 2, "Monte Carlo:3", true, 1, "0.25"},
        {"the file's value in at most 15 digits", 2, "Monte Carlo:1", true, 2, "0.3"},
        {"the file's value rounded to 15 digits", 2, "Monte Carlo:1", true, 3, "0.333333333333333"},
        {"not a reference: lower case", 2, "monte carlo:2", true, 1, "monte carlo:2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = stateWithSimulatedValues();
        if (c.monteCarloFile) {
            loadMonteCarloFile(state);
        }
        RiskInput source;
        source.ConcChoice = c.choice;
        source.AverageConc = "avg";
        source.MaximumConc = "max";
        source.SpecifiedConc = c.specified;
        source.IntakeType = 4;
        RiskInput work;
        work.Concentration = "previous";
        ResolveEvaluationInput(state, source, work, c.evaluation);
        EXPECT_EQ(work.Concentration, c.concentration);
        EXPECT_EQ(work.ConcChoice, c.choice);
        EXPECT_EQ(work.IntakeType, 4);
    }
}

TEST(ResolveEvaluationInput, ResolvesOnlyTheCurrentSetAndNeverFromTheFile) {
    AppState state = stateWithSimulatedValues();
    loadMonteCarloFile(state);
    RiskInput source;
    source.ConcChoice = 2;
    source.SpecifiedConc = "2";
    source.IntakeType = 1;
    source.Swimming = {"Monte Carlo:1", "1", "Monte Carlo:3", "30", "70", " 70 "};
    // References outside the tables and texts that are not numbers in the other sets must not
    // be touched: resolving them would fail.
    source.DrinkingWater = {"Monte Carlo:99", "abc", "", "", ""};
    source.MeatDairy.clear();

    RiskInput work;
    ResolveEvaluationInput(state, source, work, 2);

    EXPECT_EQ(work.Swimming, (PathwayParameters{"102.5", "1", "302.5", "30", "70", " 70 "}));
    EXPECT_EQ(work.DrinkingWater, PathwayParameters(5));
    EXPECT_EQ(work.MeatDairy, PathwayParameters(6));
    EXPECT_EQ(work.Concentration, "2");
    EXPECT_EQ(work.AverageConc, "");
}

TEST(ResolveEvaluationInput, StopsAtAMissingValueAndKeepsWhatWasResolvedBefore) {
    struct Case {
        const char* name;
        std::string concentration;
        PathwayParameters parameters;
        std::int16_t evaluation;
        bool monteCarloFile;
        std::string expectedConcentration;
        PathwayParameters expectedParameters;
    };
    const PathwayParameters previous = {"p1", "p2", "p3", "p4", "p5"};
    // clang-format off
    const std::vector<Case> cases = {
        {"variant beyond the table",
         "Monte Carlo:1",
         {"Monte Carlo:2", "Monte Carlo:4", "Monte Carlo:3", "70", "70"},
         1,
         false,
         "101.5",
         {"201.5", "p2", "p3", "p4", "p5"}},
        {"variant 0 is not generated",
         "5",
         {"1", "2", "Monte Carlo:0", "70", "70"},
         1,
         false,
         "5",
         {"1", "2", "p3", "p4", "p5"}},
        {"reference without a variant number", "5", {"Monte Carlo", "2", "3", "4", "5"}, 1, false, "5", previous},
        {"iteration beyond the table", "Monte Carlo:1", {"1", "2", "3", "4", "5"}, 5, false, "previous", previous},
        {"iteration beyond the file", "Monte Carlo:1", {"1", "2", "3", "4", "5"}, 4, true, "previous", previous},
        {"negative iteration", "1", {"Monte Carlo:1", "2", "3", "4", "5"}, -1, false, "1", previous},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = stateWithSimulatedValues();
        if (c.monteCarloFile) {
            loadMonteCarloFile(state);
        }
        RiskInput source;
        source.ConcChoice = 2;
        source.SpecifiedConc = c.concentration;
        source.IntakeType = 0;
        source.DrinkingWater = c.parameters;
        RiskInput work;
        work.Concentration = "previous";
        work.DrinkingWater = previous;
        EXPECT_EQ(codeOf([&] { ResolveEvaluationInput(state, source, work, c.evaluation); }),
                  ErrorCode::SubscriptOutOfRange);
        EXPECT_EQ(work.IntakeType, 0);
        EXPECT_EQ(work.Concentration, c.expectedConcentration);
        EXPECT_EQ(work.DrinkingWater, c.expectedParameters);
    }
}

} // namespace
} // namespace torval
