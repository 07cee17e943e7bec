#include "intake/IntakeEquations.h"
#include "intake/Pathways.h"
#include "intake/ResolvedEvaluation.h"
#include "shell/NumberText.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace torval {
namespace {

// What one evaluation came to: the code that stopped the resolution (0 for none), then either
// the intake (as bits, so that every last digit counts) or the code that stopped the equation.
struct Outcome {
    int resolveFailure = 0;
    int computeFailure = 0;
    std::uint64_t intakeBits = 0;

    bool operator==(const Outcome&) const = default;
};

std::string describe(const std::vector<Outcome>& outcomes) {
    std::ostringstream text;
    for (const Outcome& o : outcomes) {
        text << "[" << o.resolveFailure << " " << o.computeFailure << " "
             << std::bit_cast<double>(o.intakeBits) << "] ";
    }
    return text.str();
}

// Runs evaluations 1..count as the calculation does: a failed resolution (9) still goes on to
// the equation with whatever the working copy holds.
template <typename Resolve, typename Compute>
std::vector<Outcome> run(int count, Resolve&& resolve, Compute&& compute) {
    std::vector<Outcome> outcomes;
    for (int i = 1; i <= count; ++i) {
        Outcome outcome;
        try {
            resolve(static_cast<std::int16_t>(i));
        } catch (const RunTimeError& failure) {
            outcome.resolveFailure = failure.code();
        }
        if (outcome.resolveFailure == 0 || outcome.resolveFailure == 9) {
            try {
                outcome.intakeBits = std::bit_cast<std::uint64_t>(compute());
            } catch (const RunTimeError& failure) {
                outcome.computeFailure = failure.code();
            }
        }
        outcomes.push_back(outcome);
    }
    return outcomes;
}

std::vector<Outcome> throughTexts(const AppState& state, const RiskInput& source, int count) {
    RiskInput work;
    return run(
        count, [&](std::int16_t i) { ResolveEvaluationInput(state, source, work, i); },
        [&] { return ComputeIntake(work); });
}

std::vector<Outcome> throughNumbers(const AppState& state, const RiskInput& source, int count) {
    const EvaluationPlan plan(state, source);
    ResolvedEvaluation work;
    return run(
        count, [&](std::int16_t i) { plan.resolve(i, work); }, [&] { return ComputeIntake(work); });
}

std::string ref(int variant) {
    return "   Monte Carlo|1:" + std::to_string(variant);
}

// Variants 1..3 over iterations 1..count of values a generator gives: 17 significant digits,
// or floats as the generator library delivers them.
template <typename Value = double>
void generate(AppState& state, int count = 4, Value mu = 3, Value sigma = 2) {
    state.SavedSimulatedValues.redim({1, 3}, {0, count}, {1, 1});
    std::mt19937_64 generator(7);
    std::lognormal_distribution<Value> values(mu, sigma);
    for (int variant = 1; variant <= 3; ++variant) {
        for (int iteration = 1; iteration <= count; ++iteration) {
            state.SavedSimulatedValues.at(variant, iteration, 1) = values(generator);
        }
    }
}

TEST(EvaluationPlan, GivesWhatTheTextWorkingCopyGives) {
    struct Case {
        const char* name;
        std::int16_t choice; // the chosen concentration gets the text; 3 and above: specified
        std::string concentration;
        std::int16_t pathway;
        PathwayParameters parameters; // its set, unless the pathway is unknown
        int evaluations;
        std::function<void(AppState&, RiskInput&)> more = {};
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"typed numbers only", 2, " 1.5 ", 0, {"2", "365", "70", "70", "70"}, 2},
        {"generated concentration and parameters", 0, ref(1), 1,
         {ref(2), "1", "7", ref(3), "70", "70"}, 4},
        {"a data file's own values, whatever the variant", 1, "Monte Carlo:99", 5,
         {"30", ref(1), "365", "70", "70", "70"}, 4,
         [](AppState& state, RiskInput&) {
             state.modelData.DataType = 0;
             state.modelData.McIterationValues.redim({0, 3});
             state.modelData.McIterationValues.at(1) = 0.1 + 0.2;
             state.modelData.McIterationValues.at(2) = 1.0 / 3.0;
             state.modelData.McIterationValues.at(3) = 7e-9;
         }},
        {"an iteration beyond the table keeps the last value", 2, "2", 2,
         {"1.16", "0.00084", ref(1), "7", "70", ref(3), "70"}, 6},
        {"a variant beyond the table leaves the later fields empty", 2, ref(2), 3,
         {"200", ref(9), "365", "70", "70", "70"}, 3},
        {"a variant number beyond 16 bits", 2, "Monte Carlo:99999", 0,
         {"2", "365", "70", "70", "70"}, 1},
        {"texts that are no numbers, after an overflow", 2, "1e300", 4,
         {"1e300", "abc", "", "1", "1", "1", " 7 "}, 1},
        {"zero in the divisor and a bad text in another set", 2, "1", 6,
         {"0.284", "0.2", "48", "70", "0", "70"}, 1,
         [](AppState&, RiskInput& in) { in.DrinkingWater = {"abc", "", "", "", ""}; }},
        {"generated values no text can carry", 2, "1", 7,
         {"0.05", "0.2", "48", "70", ref(1), "70"}, 4,
         [](AppState& state, RiskInput&) {
             state.SavedSimulatedValues.at(1, 1, 1) = std::numeric_limits<double>::infinity();
             state.SavedSimulatedValues.at(1, 2, 1) = std::numeric_limits<double>::max();
             state.SavedSimulatedValues.at(1, 3, 1) = 5e-324;
             state.SavedSimulatedValues.at(1, 4, 1) = -0.0;
         }},
        {"no concentration chosen", 3, "1", 8, {"0.3", "0.44", "48", "70", "70", "70"}, 1},
        {"an unknown pathway", 2, "abc", 9, {}, 1},
        {"many generated floats, rounded once per calculation", 0, ref(2), 1,
         {ref(1), "1", ref(2), ref(3), "70", "25550"}, 3002,
         [](AppState& state, RiskInput&) { generate<float>(state, 3000, 1, 3); }},
        {"a set shorter than its pathway", 2, "1", 0, {"2", "365", "70"}, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state;
        generate(state);
        RiskInput source;
        source.ConcChoice = c.choice;
        (c.choice == 0   ? source.AverageConc
         : c.choice == 1 ? source.MaximumConc
                         : source.SpecifiedConc) = c.concentration;
        source.IntakeType = c.pathway;
        if (isPathwayCode(c.pathway)) {
            parameterSet(source, c.pathway) = c.parameters;
        }
        if (c.more) {
            c.more(state, source);
        }

        const std::vector<Outcome> expected = throughTexts(state, source, c.evaluations);
        const std::vector<Outcome> actual = throughNumbers(state, source, c.evaluations);

        EXPECT_EQ(actual, expected)
            << "numbers: " << describe(actual) << "\ntexts:   " << describe(expected);
    }
}

} // namespace
} // namespace torval
