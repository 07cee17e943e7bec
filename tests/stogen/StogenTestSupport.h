#pragma once
// Calls into the generator library the way the program does, plus the goodness-of-fit
// arithmetic the statistical tests share.

#include "stogen/GeneratorRequest.h"
#include "stogen/SeedControl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace torval::stogen::testing {

// StdDev is the root of the 32-bit variance, as the program fills it.
inline GeneratorRequest makeRequest(int16_t distribution, float mean, float variance, float minimum,
                                    float maximum, int32_t count) {
    return {count, mean, std::sqrt(variance), variance, minimum, maximum, distribution, 0};
}

struct Delivery {
    int16_t status = -1;
    int32_t count = -1;
    std::vector<float> values;
};

// Asks for request.Count values into a buffer of exactly that size.
inline Delivery generate(GeneratorRequest request) {
    Delivery delivery;
    delivery.values.resize(static_cast<std::size_t>(std::max(request.Count, 0)));
    delivery.status = monteCarlo(&request, delivery.values.data());
    delivery.count = request.Count;
    return delivery;
}

inline Delivery generateWithSeed(const GeneratorRequest& request, std::uint64_t seed) {
    internal::reseed(seed);
    return generate(request);
}

// Kolmogorov-Smirnov distance between the sample and a continuous CDF.
template <class Cdf>
double kolmogorovDistance(std::vector<float> sample, const Cdf& cdf) {
    std::sort(sample.begin(), sample.end());
    const double n = static_cast<double>(sample.size());
    double distance = 0.0;
    for (std::size_t i = 0; i < sample.size(); ++i) {
        const double expected = cdf(static_cast<double>(sample[i]));
        distance = std::max({distance, expected - static_cast<double>(i) / n,
                             static_cast<double>(i + 1) / n - expected});
    }
    return distance;
}

// The distance a correct generator exceeds once in a thousand samples of size n (asymptotic
// Kolmogorov distribution, alpha = 0.001).
inline double kolmogorovCritical(std::size_t n) {
    return 1.95 / std::sqrt(static_cast<double>(n));
}

} // namespace torval::stogen::testing
