#include "Density.h"

#include "Distributions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace torval::charton {

namespace {

using namespace torval::stogen;

// Names as the Monte Carlo window offers them, in the generator's code order.
constexpr std::array<std::string_view, 7> DistributionNames = {
    "normal", "lognormal", "uniform", "exponential", "gumbel", "triangle", "loguniform"};

int codeOf(std::string_view name) {
    std::string lower;
    for (const char c : name) {
        if (c != ' ' && c != '\t') { // compared trimmed, as the Monte Carlo window compares
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    const auto found = std::find(DistributionNames.begin(), DistributionNames.end(), lower);
    return found == DistributionNames.end()
               ? 0
               : static_cast<int>(found - DistributionNames.begin()) + 1;
}

GeneratorRequest requestOf(int code, const VariantInputs& inputs) {
    GeneratorRequest request{};
    request.Count = 1;
    request.Mean = static_cast<float>(inputs.mean);
    request.Variance = static_cast<float>(inputs.variance);
    request.StdDev = static_cast<float>(std::sqrt(inputs.variance));
    request.Minimum = static_cast<float>(inputs.minimum);
    request.Maximum = static_cast<float>(inputs.maximum);
    request.Distribution = static_cast<std::int16_t>(code);
    return request;
}

double densityAt(const LogUniform& distribution, double x) {
    return 1.0 / (x * distribution.logSpan());
}

template <class Distribution>
double densityAt(const Distribution& distribution, double x) {
    return pdf(distribution, x);
}

// The distribution's support clipped to the bounds.
std::pair<double, double> window(const TargetDistribution& target, double low, double high) {
    return std::visit(
        [low, high](const auto& distribution) {
            const auto [first, last] = support(distribution);
            return std::pair{std::max(low, first), std::min(high, last)};
        },
        target);
}

} // namespace

std::optional<TruncatedDensity> TruncatedDensity::of(const VariantInputs& inputs) {
    const int code = codeOf(inputs.distribution);
    if (code == 0 || !(inputs.minimum < inputs.maximum) || !(inputs.variance >= 0)) {
        return std::nullopt;
    }
    const GeneratorRequest request = requestOf(code, inputs);
    if ((code == GeneratorLoguniform && !(inputs.minimum > 0)) ||
        ((code == GeneratorLognormal || code == GeneratorExponential) && !(inputs.mean > 0)) ||
        ((code == GeneratorNormal || code == GeneratorGumbel || code == GeneratorLognormal) &&
         !(inputs.variance > 0))) {
        return std::nullopt;
    }
    const TargetDistribution target = targetDistribution(request);
    // Plain copies: a lambda may not capture structured bindings before clang 16.
    const std::pair<double, double> bounds = window(target, request.Minimum, request.Maximum);
    const double low = bounds.first;
    const double high = bounds.second;
    const double mass = low < high
                            ? std::visit(
                                  [low, high](const auto& distribution) {
                                      return cdf(distribution, high) - cdf(distribution, low);
                                  },
                                  target)
                            : 0.0;
    if (!(mass > 0) || !std::isfinite(mass)) {
        return std::nullopt;
    }
    return TruncatedDensity(code, inputs, mass);
}

TruncatedDensity::TruncatedDensity(int code, VariantInputs inputs, double mass)
    : code_(code), inputs_(std::move(inputs)), minimum_(inputs_.minimum), maximum_(inputs_.maximum),
      mass_(mass) {}

double TruncatedDensity::operator()(double x) const {
    if (!(x >= minimum_ && x <= maximum_)) {
        return 0;
    }
    // Outside its support a distribution's density is 0 or, by the ignoring policy, not a number.
    const TargetDistribution target = targetDistribution(requestOf(code_, inputs_));
    const double density =
        std::visit([x](const auto& distribution) { return densityAt(distribution, x); }, target);
    return std::isfinite(density) ? density / mass_ : 0;
}

} // namespace torval::charton
