#include "montecarlo/VariantChecks.h"

#include "MonteCarloTestState.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace torval {
namespace {

using testing::bodyWeightVariant;
using testing::monteCarloState;
using V = MonteCarloVariant;

// The one message ValidateVariants shows, "" when it lets the generation go on.
std::string refusal(const AppState& state, const ParameterList& parameters = {}) {
    testing::RecordingPrompter prompter;
    const bool passed = ValidateVariants(state, prompter, parameters);
    EXPECT_EQ(passed, prompter.messages.empty());
    if (prompter.messages.size() != 1) {
        return prompter.messages.empty() ? "" : "more than one message";
    }
    const Message& shown = prompter.messages[0];
    EXPECT_EQ(shown.title, "Improper Input Data");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    return shown.text;
}

std::string improper(const std::string& kind, const std::string& field, const std::string& as) {
    return kind + " input value.\r\r The " + field + " value of Body Weight has been given as " +
           as + ".";
}

std::string generatorRule(const std::string& field, const std::string& distribution,
                          const std::string& rule, const std::string& given) {
    return "Body Weight: Invalid " + field + " for the " + distribution + " distribution.\r\rThe " +
           field + " value of a variant with the " + distribution + " distribution must be " +
           rule + "; it has been given as " + given + ". Please give an appropriate value. ";
}

TEST(VariantChecks, RefusesTheFirstImproperNumberOfARow) {
    struct Case {
        std::vector<std::pair<std::string V::*, std::string>> edits;
        std::string message;
    };
    const std::string bounds =
        "Body Weight: Invalid upper and lower bounds.\r\rThe maximum value must be greater than "
        "the mean and the minimum must be smaller than the mean value of the variant. Please "
        "give the appropriate values. ";
    const std::string distribution = "No distribution type has been selected for Body Weight. "
                                     "\r\rPlease select a valid distribution type for this "
                                     "simulation. ";
    const std::vector<Case> cases = {
        {{}, ""},
        {{{&V::Variance, "  "}}, improper("Nil", "variance", "nil")},
        {{{&V::Variance, "abc"}}, improper("Zero", "variance", "zero")},
        {{{&V::Variance, "-1"}}, improper("Negative", "variance", "negative")},
        {{{&V::Mean, ""}, {&V::Variance, ""}}, improper("Nil", "variance", "nil")},
        {{{&V::Mean, ""}}, improper("Nil", "mean", "nil")},
        {{{&V::Mean, "0"}}, improper("Zero", "mean", "zero")},
        {{{&V::Minimum, ""}}, improper("Nil", "minimum", "nil")},
        {{{&V::Minimum, "0"}}, improper("Zero", "minimum", "zero")},
        {{{&V::Maximum, ""}}, improper("Nil", "maximum", "nil")},
        {{{&V::Maximum, "0"}}, improper("Zero", "maximum", "zero")},
        {{{&V::Mean, "39.9"}}, bounds},
        {{{&V::Mean, "100.1"}, {&V::Terms, ""}}, bounds},
        {{{&V::Mean, "40"}}, ""},
        {{{&V::Mean, "100"}}, ""},
        {{{&V::Mean, "-5"}, {&V::Minimum, "-10"}, {&V::Maximum, "-1"}}, ""},
        {{{&V::Terms, ""}}, improper("Nil", "number of terms", "nil")},
        {{{&V::Terms, "0"}}, improper("Zero", "number of terms", "zero")},
        {{{&V::Terms, "-3"}}, improper("Negative", "number of terms", "negative")},
        {{{&V::Distribution, "Poisson"}}, distribution},
        {{{&V::Distribution, "LOGUNIFORM"}}, ""},
        // What the generator library would refuse is refused first, naming variant and rule.
        {{{&V::Distribution, " Lognormal "},
          {&V::Mean, "-5"},
          {&V::Minimum, "-10"},
          {&V::Maximum, "-1"}},
         generatorRule("mean", "Lognormal", "greater than zero", "-5")},
        {{{&V::Distribution, "Exponential"},
          {&V::Mean, "-5"},
          {&V::Minimum, "-10"},
          {&V::Maximum, "-1"}},
         generatorRule("mean", "Exponential", "greater than zero", "-5")},
        {{{&V::Distribution, "Loguniform"}, {&V::Minimum, "-10"}},
         generatorRule("minimum", "Loguniform", "greater than zero", "-10")},
        {{{&V::Variance, "1e-50"}}, generatorRule("variance", "Normal", "at least 1.5E-45", "0")},
        {{{&V::Distribution, "Uniform"}, {&V::Variance, "1e-50"}}, ""},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        AppState state = monteCarloState(3);
        // A row out of use is never checked, however wrong its numbers.
        state.InputTGData.at(1, 1) = V{"Skin Area", "", "0", "-1", "x", "", "", false};
        state.InputTGData.at(3, 1) = bodyWeightVariant();
        for (const auto& [field, text] : cases[i].edits) {
            state.InputTGData.at(3, 1).*field = text;
        }
        EXPECT_EQ(refusal(state), cases[i].message);
    }
}

TEST(VariantChecks, KeepsSoilWaterContentBelowSoilPorosity) {
    const ParameterList parameters{{"Soil Porosity (n):", "Soil Water Content (w):"},
                                   {"0.4", "0.3"}};
    struct Case {
        std::string porosityMinimum; // "" leaves soil porosity fixed
        std::string waterMaximum;    // "" leaves soil water content fixed
        std::string message;
    };
    const std::vector<Case> cases = {
        {"", "", ""},
        {"0.3", "0.3",
         "Soil water content is out of the interval of soil porosity!\r\rThe maximum value of "
         "soil water content must be less than the minimum value of soil porosity.\rPlease give "
         "the appropriate values for soil porosity and soil water content."},
        {"0.3", "0.29", ""},
        {"0.3", "",
         "The minimum value of soil porosity 0.3 is less than the soil water content 0.3!\r\rThe "
         "minimum value of soil porosity must be greater than soil water content 0.3.\rPlease "
         "give the appropriate values for soil porosity."},
        {"0.31", "", ""},
        {"", "0.4",
         "The maximum value of soil water content 0.4 is greater than or equal to the soil "
         "porosity 0.4!\r\rThe maximum value of soil water content must be less than soil "
         "porosity 0.4.\rPlease give the appropriate values for soil water content."},
        {"", "0.39", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.porosityMinimum + " / " + c.waterMaximum);
        AppState state = monteCarloState(2);
        if (!c.porosityMinimum.empty()) {
            state.InputTGData.at(1, 1) = {
                parameters.names[0], "0.5", c.porosityMinimum, "0.6", "0.01", "10",
                "Uniform",           true};
        }
        if (!c.waterMaximum.empty()) {
            state.InputTGData.at(2, 1) = {
                parameters.names[1], "0.2", "0.1", c.waterMaximum, "0.01", "10", "Uniform", true};
        }
        EXPECT_EQ(refusal(state, parameters), c.message);
        // Without both entries in the list the rule has nothing to compare.
        EXPECT_EQ(refusal(state, {{parameters.names[0]}, {parameters.values[0]}}), "");
    }
}

} // namespace
} // namespace torval
