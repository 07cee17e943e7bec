#include "Distributions.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace torval::stogen {

Normal normalFrom(const GeneratorRequest& request) {
    return Normal(request.Mean, request.StdDev);
}

Lognormal lognormalFrom(const GeneratorRequest& request) {
    const double mean = request.Mean;
    const double variance = request.Variance;
    const double meanSquared = mean * mean;
    const double location = std::log(meanSquared / std::sqrt(variance + meanSquared));
    // log1p keeps sigma accurate when the variance is small against the squared mean.
    const double scale = std::sqrt(std::log1p(variance / meanSquared));
    return Lognormal(location, scale);
}

Uniform uniformFrom(const GeneratorRequest& request) {
    return Uniform(request.Minimum, request.Maximum);
}

Exponential exponentialFrom(const GeneratorRequest& request) {
    return Exponential(1.0 / static_cast<double>(request.Mean));
}

Gumbel gumbelFrom(const GeneratorRequest& request) {
    const double scale = request.StdDev * std::sqrt(6.0) / std::numbers::pi;
    const double location = request.Mean - std::numbers::egamma * scale;
    return Gumbel(location, scale);
}

Triangle triangleFrom(const GeneratorRequest& request) {
    const double minimum = request.Minimum;
    const double maximum = request.Maximum;
    const double mode = std::clamp(3.0 * request.Mean - minimum - maximum, minimum, maximum);
    return Triangle(minimum, mode, maximum);
}

LogUniform loguniformFrom(const GeneratorRequest& request) {
    return LogUniform(request.Minimum, request.Maximum);
}

TargetDistribution targetDistribution(const GeneratorRequest& request) {
    switch (request.Distribution) {
    case GeneratorNormal:
        return normalFrom(request);
    case GeneratorLognormal:
        return lognormalFrom(request);
    case GeneratorUniform:
        return uniformFrom(request);
    case GeneratorExponential:
        return exponentialFrom(request);
    case GeneratorGumbel:
        return gumbelFrom(request);
    case GeneratorTriangle:
        return triangleFrom(request);
    case GeneratorLoguniform:
        return loguniformFrom(request);
    default:
        throw std::logic_error("targetDistribution called with an unchecked distribution code");
    }
}

} // namespace torval::stogen
