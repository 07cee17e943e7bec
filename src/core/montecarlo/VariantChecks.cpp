#include "montecarlo/VariantChecks.h"

#include "montecarlo/DistributionCode.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <cmath>
#include <optional>
#include <stogen/GeneratorRequest.h>
#include <string>

namespace torval {

namespace {

constexpr std::string_view ImproperInputTitle = "Improper Input Data";

void showImproper(Prompter& prompter, std::string text) {
    prompter.show({std::move(text), std::string(ImproperInputTitle), MessageIcon::Critical});
}

// Which of the number checks a field fails; the kinds are the words the message is built from.
enum class NumberCheck { NilZero, NilZeroNegative };

std::optional<std::string_view> failedKind(std::string_view text, NumberCheck check) {
    if (trimBlanksView(text).empty()) {
        return "Nil";
    }
    const double value = leadingNumber(text);
    if (value == 0) {
        return "Zero";
    }
    if (check == NumberCheck::NilZeroNegative && value < 0) {
        return "Negative";
    }
    return std::nullopt;
}

bool passesNumber(Prompter& prompter, const MonteCarloVariant& variant, std::string_view text,
                  std::string_view field, NumberCheck check) {
    const std::optional<std::string_view> kind = failedKind(text, check);
    if (kind) {
        ReportImproperInput(prompter, *kind, field, variant.Name);
    }
    return !kind;
}

// A mean equal to a bound is inside them.
bool passesBounds(Prompter& prompter, const MonteCarloVariant& variant) {
    const double mean = leadingNumber(variant.Mean);
    if (mean >= leadingNumber(variant.Minimum) && mean <= leadingNumber(variant.Maximum)) {
        return true;
    }
    showImproper(prompter, variant.Name + ": Invalid upper and lower bounds.\r\r"
                                          "The maximum value must be greater than the mean and "
                                          "the minimum must be smaller than the mean value of the "
                                          "variant. Please give the appropriate values. ");
    return false;
}

bool passesDistribution(Prompter& prompter, const MonteCarloVariant& variant) {
    if (distributionCode(variant.Distribution) != 0) {
        return true;
    }
    showImproper(prompter, "No distribution type has been selected for " + variant.Name +
                               ". \r\rPlease select a valid distribution type for this "
                               "simulation. ");
    return false;
}

// A number the generator library would turn down for the row's distribution, as the library
// sees it (a float); the rule is said in the words of the message.
struct GeneratorRule {
    std::string_view field;
    float value = 0;
    std::string_view rule;
};

std::optional<GeneratorRule> brokenGeneratorRule(const MonteCarloVariant& v) {
    const auto single = [](const std::string& text) {
        return static_cast<float>(leadingNumber(text));
    };
    const std::int16_t distribution = distributionCode(v.Distribution);
    const bool needsPositiveMean =
        distribution == GeneratorLognormal || distribution == GeneratorExponential;
    const bool needsSpread = distribution == GeneratorNormal || distribution == GeneratorGumbel ||
                             distribution == GeneratorLognormal;
    if (needsPositiveMean && !(single(v.Mean) > 0.0F)) {
        return GeneratorRule{"mean", single(v.Mean), "greater than zero"};
    }
    if (distribution == GeneratorLoguniform && !(single(v.Minimum) > 0.0F)) {
        return GeneratorRule{"minimum", single(v.Minimum), "greater than zero"};
    }
    if (needsSpread && !(std::sqrt(single(v.Variance)) > 0.0F)) {
        return GeneratorRule{"variance", single(v.Variance), "at least 1.5E-45"};
    }
    return std::nullopt;
}

bool passesGeneratorRules(Prompter& prompter, const MonteCarloVariant& v) {
    const std::optional<GeneratorRule> broken = brokenGeneratorRule(v);
    if (!broken) {
        return true;
    }
    const std::string distribution = trimBlanks(v.Distribution);
    showImproper(prompter, v.Name + ": Invalid " + std::string(broken->field) + " for the " +
                               distribution + " distribution.\r\rThe " +
                               std::string(broken->field) + " value of a variant with the " +
                               distribution + " distribution must be " + std::string(broken->rule) +
                               "; it has been given as " + generalText(broken->value) +
                               ". Please give an appropriate value. ");
    return false;
}

bool passesRowChecks(Prompter& prompter, const MonteCarloVariant& v) {
    using enum NumberCheck;
    return passesNumber(prompter, v, v.Variance, "variance", NilZeroNegative) &&
           passesNumber(prompter, v, v.Mean, "mean", NilZero) &&
           passesNumber(prompter, v, v.Minimum, "minimum", NilZero) &&
           passesNumber(prompter, v, v.Maximum, "maximum", NilZero) && passesBounds(prompter, v) &&
           passesNumber(prompter, v, v.Terms, "number of terms", NilZeroNegative) &&
           passesDistribution(prompter, v) && passesGeneratorRules(prompter, v);
}

// A soil parameter of the analysis: its fixed value, and its variant row when it is varied.
struct SoilParameter {
    double fixedValue = 0;
    const MonteCarloVariant* variant = nullptr;
};

std::optional<SoilParameter> findSoilParameter(const AppState& state,
                                               const ParameterList& parameters,
                                               std::string_view namePart) {
    for (std::size_t i = 0; i < parameters.names.size() && i < parameters.values.size(); ++i) {
        const std::string name = lowerCase(trimBlanks(parameters.names[i]));
        if (!contains(name, namePart)) {
            continue;
        }
        SoilParameter parameter{leadingNumber(parameters.values[i])};
        for (int row = 1; row <= state.MCInputRowCount; ++row) {
            const MonteCarloVariant& variant = state.InputTGData.at(row, state.MCCurrentChemical);
            if (variant.InUse && lowerCase(trimBlanks(variant.Name)) == name) {
                parameter.variant = &variant;
            }
        }
        return parameter;
    }
    return std::nullopt;
}

bool bothVariedPass(Prompter& prompter, double waterMaximum, double porosityMinimum) {
    if (waterMaximum < porosityMinimum) {
        return true;
    }
    showImproper(prompter, "Soil water content is out of the interval of soil porosity!\r\r"
                           "The maximum value of soil water content must be less than the "
                           "minimum value of soil porosity.\rPlease give the appropriate values "
                           "for soil porosity and soil water content.");
    return false;
}

bool porosityVariedPasses(Prompter& prompter, double porosityMinimum, double water) {
    if (water < porosityMinimum) {
        return true;
    }
    const std::string waterText = generalText(water);
    showImproper(prompter, "The minimum value of soil porosity " + generalText(porosityMinimum) +
                               " is less than the soil water content " + waterText +
                               "!\r\rThe minimum value of soil porosity must be greater than "
                               "soil water content " +
                               waterText +
                               ".\rPlease give the appropriate values for soil "
                               "porosity.");
    return false;
}

bool waterVariedPasses(Prompter& prompter, double waterMaximum, double porosity) {
    if (waterMaximum < porosity) {
        return true;
    }
    const std::string porosityText = generalText(porosity);
    showImproper(prompter, "The maximum value of soil water content " + generalText(waterMaximum) +
                               " is greater than or equal to the soil porosity " + porosityText +
                               "!\r\rThe maximum value of soil water content must be less than "
                               "soil porosity " +
                               porosityText +
                               ".\rPlease give the appropriate values for soil "
                               "water content.");
    return false;
}

} // namespace

void ReportImproperInput(Prompter& prompter, std::string_view kind, std::string_view field,
                         std::string_view variantName) {
    showImproper(prompter, std::string(kind) + " input value.\r\r The " + std::string(field) +
                               " value of " + std::string(variantName) + " has been given as " +
                               lowerCase(kind) + ".");
}

bool SoilRuleCheck(const AppState& state, Prompter& prompter, const ParameterList& parameters) {
    const auto porosity = findSoilParameter(state, parameters, "soil porosity");
    const auto water = findSoilParameter(state, parameters, "soil water content");
    if (!porosity || !water) {
        return true;
    }
    const MonteCarloVariant* porosityRow = porosity->variant;
    const MonteCarloVariant* waterRow = water->variant;
    if (porosityRow && waterRow) {
        return bothVariedPass(prompter, leadingNumber(waterRow->Maximum),
                              leadingNumber(porosityRow->Minimum));
    }
    if (porosityRow) {
        return porosityVariedPasses(prompter, leadingNumber(porosityRow->Minimum),
                                    water->fixedValue);
    }
    if (waterRow) {
        return waterVariedPasses(prompter, leadingNumber(waterRow->Maximum), porosity->fixedValue);
    }
    return true;
}

bool ValidateVariants(const AppState& state, Prompter& prompter, const ParameterList& parameters) {
    for (int row = 1; row <= state.MCInputRowCount; ++row) {
        const MonteCarloVariant& variant = state.InputTGData.at(row, state.MCCurrentChemical);
        if (variant.InUse && !passesRowChecks(prompter, variant)) {
            return false;
        }
    }
    return SoilRuleCheck(state, prompter, parameters);
}

} // namespace torval
