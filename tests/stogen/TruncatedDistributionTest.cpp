// Goodness of fit of every distribution, truncated, against its target CDF computed here with
// Boost.Math from the stated mean and variance, which pins the meaning of the parameters too.
#include "StogenTestSupport.h"

#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/uniform.hpp>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

namespace torval::stogen::testing {
namespace {

using Cdf = std::function<double(double)>;

// F_trunc(x) = (F(x) - F(a)) / (F(b) - F(a)); for a window above the median the same ratio is
// taken on survival probabilities, which a double can still tell apart there.
template <class Distribution>
Cdf truncatedCdf(Distribution distribution, double a, double b) {
    using boost::math::complement;
    if (cdf(distribution, a) <= 0.5) {
        const double low = cdf(distribution, a);
        const double mass = cdf(distribution, b) - low;
        return [=](double x) { return (cdf(distribution, x) - low) / mass; };
    }
    const double aboveA = cdf(complement(distribution, a));
    const double mass = aboveA - cdf(complement(distribution, b));
    return [=](double x) { return (aboveA - cdf(complement(distribution, x))) / mass; };
}

Cdf logUniformCdf(double a, double b) {
    return [=](double x) { return std::log(x / a) / std::log(b / a); };
}

boost::math::lognormal lognormalOfMoments(double mean, double variance) {
    const double sigmaSquared = std::log(1.0 + variance / (mean * mean));
    return {std::log(mean) - sigmaSquared / 2.0, std::sqrt(sigmaSquared)};
}

boost::math::extreme_value gumbelOfMoments(double mean, double standardDeviation) {
    const double scale = standardDeviation * std::sqrt(6.0) / std::numbers::pi;
    return {mean - 0.5772156649 * scale, scale};
}

struct FitCase {
    std::string name;
    GeneratorRequest request;
    std::uint64_t seed;
    Cdf target;
};

std::vector<FitCase> fitCases() {
    const int32_t n = 10000;
    const float gumbelSd = std::sqrt(9.0f);
    return {
        {"normal cut on both sides", makeRequest(GeneratorNormal, 70, 100, 55, 95, n), 11,
         truncatedCdf(boost::math::normal(70, 10), 55, 95)},
        {"normal far in the upper tail", makeRequest(GeneratorNormal, 0, 1, 8, 8.5f, n), 12,
         truncatedCdf(boost::math::normal(0, 1), 8, 8.5)},
        {"normal far in the lower tail", makeRequest(GeneratorNormal, 0, 1, -6, -4, n), 13,
         truncatedCdf(boost::math::normal(0, 1), -6, -4)},
        {"lognormal", makeRequest(GeneratorLognormal, 10, 25, 5, 20, n), 14,
         truncatedCdf(lognormalOfMoments(10, 25), 5, 20)},
        {"uniform", makeRequest(GeneratorUniform, 5, 1, 2, 8, n), 15,
         truncatedCdf(boost::math::uniform(2, 8), 2, 8)},
        {"exponential", makeRequest(GeneratorExponential, 3, 9, 1, 6, n), 16,
         truncatedCdf(boost::math::exponential(1.0 / 3.0), 1, 6)},
        {"gumbel", makeRequest(GeneratorGumbel, 10, 9, 6, 16, n), 17,
         truncatedCdf(gumbelOfMoments(10, gumbelSd), 6, 16)},
        {"triangle", makeRequest(GeneratorTriangle, 4, 1, 1, 9, n), 18,
         truncatedCdf(boost::math::triangular(1, 2, 9), 1, 9)},
        {"triangle with the mode clamped to the maximum",
         makeRequest(GeneratorTriangle, 8, 1, 1, 9, n), 19,
         truncatedCdf(boost::math::triangular(1, 9, 9), 1, 9)},
        {"loguniform", makeRequest(GeneratorLoguniform, 1, 1, 0.01f, 100, n), 20,
         logUniformCdf(0.01f, 100)},
    };
}

TEST(TruncatedDistributionTest, SamplesFitTheTruncatedTargetCdf) {
    for (const FitCase& fit : fitCases()) {
        SCOPED_TRACE(fit.name);
        const Delivery delivery = generateWithSeed(fit.request, fit.seed);
        ASSERT_EQ(delivery.status, GeneratorOk);
        ASSERT_EQ(delivery.count, fit.request.Count);
        for (const float value : delivery.values) {
            ASSERT_GE(value, fit.request.Minimum);
            ASSERT_LE(value, fit.request.Maximum);
        }
        EXPECT_LT(kolmogorovDistance(delivery.values, fit.target),
                  kolmogorovCritical(delivery.values.size()));
    }
}

} // namespace
} // namespace torval::stogen::testing
