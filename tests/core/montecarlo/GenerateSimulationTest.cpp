#include "montecarlo/GenerateSimulation.h"

#include "MonteCarloTestState.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace torval {
namespace {

using testing::bodyWeightVariant;
using testing::FakeGenerator;
using testing::monteCarloState;

class GenerateSimulationTest : public ::testing::Test {
protected:
    void SetUp() override { FakeGenerator::reset(); }

    bool generate(AppState& state) {
        return GenerateSimulation(state, prompter, {}, &FakeGenerator::generate);
    }

    testing::RecordingPrompter prompter;
};

// The sampling choice picks the entry; one that was not supplied is an illegal function call.
TEST_F(GenerateSimulationTest, SamplingChoosesTheGeneratorEntry) {
    AppState state = monteCarloState(1);
    state.InputTGData.at(1, 1) = bodyWeightVariant();
    state.Sampling = MonteCarloSampling::LatinHypercube;
    const SamplingGenerators randomOnly{&FakeGenerator::generate, nullptr};
    EXPECT_THROW(GenerateSimulation(state, prompter, {}, randomOnly), RunTimeError);
    EXPECT_TRUE(FakeGenerator::requests.empty());
    ASSERT_TRUE(GenerateSimulation(state, prompter, {}, {nullptr, &FakeGenerator::generate}));
    EXPECT_EQ(FakeGenerator::requests.size(), 1U);
}

TEST_F(GenerateSimulationTest, Terms100GiveCount101ValuesPerVariant) {
    AppState state = monteCarloState(3);
    state.InputTGData.at(2, 1) = bodyWeightVariant();
    ASSERT_TRUE(generate(state));

    ASSERT_EQ(FakeGenerator::requests.size(), 1U);
    EXPECT_EQ(FakeGenerator::requests[0].Count, 101);
    EXPECT_EQ(state.MonteCarloCount, 101);
    EXPECT_EQ(state.GeneratedSeries.upper(), 101);
    EXPECT_EQ(std::make_tuple(state.SimulatedValues.upper(1), state.SimulatedValues.upper(2),
                              state.SimulatedValues.upper(3)),
              std::make_tuple(3, 101, 1));
    EXPECT_EQ(std::make_tuple(state.SimulatedValues.at(2, 0, 1), state.SimulatedValues.at(2, 1, 1),
                              state.SimulatedValues.at(2, 101, 1),
                              state.SimulatedValues.at(1, 101, 1)),
              std::make_tuple(0, 70, 170, 0)); // row 1 is out of use: nothing generated

    // 70, 71, ..., 170: the median is the 50th value. The geometric mean is a product of 101
    // float roots, exact to a few units of its last shown digit only.
    MonteCarloResult statistics = state.ResultTGData.at(2, 1);
    EXPECT_NEAR(std::stod(statistics.GeometricMean), 116.3104, 0.002);
    statistics.GeometricMean.clear();
    EXPECT_EQ(statistics, (MonteCarloResult{"Body Weight", "119", "70", "170", "120", "", "29.3002",
                                            true, "Nothing"}));
    EXPECT_TRUE(state.SimulationGenerated);
    EXPECT_EQ(prompter.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(GenerateSimulationTest, AnotherChemicalClearsTheValuesButNotTheStatistics) {
    AppState state = monteCarloState(2, 2);
    state.InputTGData.at(1, 1) = bodyWeightVariant();
    ASSERT_TRUE(generate(state));
    const MonteCarloResult firstStatistics = state.ResultTGData.at(1, 1);

    state.MCCurrentChemical = 2;
    state.InputTGData.at(1, 2) = bodyWeightVariant();
    state.InputTGData.at(1, 2).Mean = "50";
    ASSERT_TRUE(generate(state));

    EXPECT_EQ(state.SimulatedValues.at(1, 1, 1), 0);
    EXPECT_EQ(state.SimulatedValues.at(1, 1, 2), 50);
    EXPECT_EQ(state.ResultTGData.at(1, 1), firstStatistics);
}

// Rows are summarised while the next one is drawn; a row that fails (its request beyond a float,
// or a negative value, which has no geometric mean) still leaves every row before it summarised,
// and its own values unstored.
TEST_F(GenerateSimulationTest, AFailingRowKeepsTheRowsBeforeItSummarised) {
    const std::tuple<MonteCarloVariant, std::size_t, int> cases[] = {
        {{"Skin Area", "5", "1", "1e39", "1", "100", "Normal", true}, 2, ErrorCode::Overflow},
        {{"Skin Area", "-5", "-10", "100", "1", "100", "Normal", true},
         3,
         ErrorCode::IllegalFunctionCall},
    };
    for (const auto& [failing, requests, code] : cases) {
        FakeGenerator::reset();
        AppState state = monteCarloState(3);
        state.InputTGData.at(1, 1) = bodyWeightVariant();
        state.InputTGData.at(2, 1) = bodyWeightVariant();
        state.InputTGData.at(2, 1).Mean = "50";
        state.InputTGData.at(3, 1) = failing;
        try {
            generate(state);
            ADD_FAILURE() << "the third row was generated";
        } catch (const RunTimeError& failure) {
            EXPECT_EQ(failure.code(), code);
        }
        EXPECT_EQ(FakeGenerator::requests.size(), requests);
        EXPECT_EQ(std::make_tuple(state.ResultTGData.at(1, 1).Median,
                                  state.ResultTGData.at(2, 1).Median,
                                  state.ResultTGData.at(3, 1).Variant),
                  std::make_tuple(std::string("119"), std::string("99"), std::string()));
        EXPECT_EQ(
            std::make_tuple(state.SimulatedValues.at(2, 101, 1), state.SimulatedValues.at(3, 1, 1)),
            std::make_tuple(150, 0));
        EXPECT_FALSE(state.SimulationGenerated);
    }
}

TEST_F(GenerateSimulationTest, StopsWithoutGeneratingWhenSomethingIsWrong) {
    using V = MonteCarloVariant;
    struct Case {
        std::string V::*field;
        std::string text;
        std::optional<std::int32_t> delivered;
        int code; // 0: refused by the checks, nothing raised
    };
    const std::vector<Case> cases = {
        {&V::Variance, "", std::nullopt, 0},
        {&V::Terms, "40000", std::nullopt, ErrorCode::Overflow},
        {&V::Maximum, "1e39", std::nullopt, ErrorCode::Overflow}, // beyond a float
        {&V::Name, "Body Weight", 0, ErrorCode::DivisionByZero},
        {&V::Name, "Body Weight", 102, ErrorCode::SubscriptOutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FakeGenerator::reset();
        FakeGenerator::delivered = c.delivered;
        AppState state = monteCarloState(1);
        state.InputTGData.at(1, 1) = bodyWeightVariant();
        state.InputTGData.at(1, 1).*c.field = c.text;
        try {
            EXPECT_FALSE(generate(state));
            EXPECT_EQ(c.code, 0);
            EXPECT_TRUE(FakeGenerator::requests.empty());
            EXPECT_EQ(state.MonteCarloCount, 0);
        } catch (const RunTimeError& failure) {
            EXPECT_EQ(failure.code(), c.code);
        }
        EXPECT_FALSE(state.SimulationGenerated);
        EXPECT_FALSE(prompter.isBusy());
    }
    // No row in use: validation passes, but there is no number of terms to convert.
    AppState empty = monteCarloState(1);
    EXPECT_EQ(testing::codeOf([&] { generate(empty); }), ErrorCode::TypeMismatch);
}

} // namespace
} // namespace torval
