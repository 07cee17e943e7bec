// The two sampling entry points: monteCarlo's seeded series pinned to the bit, so that nothing
// added beside it can change what a seed gives, and the strata of latinHypercube.
#include "StogenTestSupport.h"

#include <algorithm>
#include <boost/math/distributions/normal.hpp>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval::stogen::testing {
namespace {

TEST(SamplingTest, RandomSeriesForASeedIsPinnedToTheBit) {
    struct Case {
        std::string name;
        GeneratorRequest request;
        std::vector<float> expected;
    };
    const std::vector<Case> cases = {
        {"normal",
         makeRequest(GeneratorNormal, 70, 100, 40, 100, 5),
         {81.8133011F, 66.1698151F, 60.6776314F, 88.2996216F, 62.4066849F}},
        {"lognormal",
         makeRequest(GeneratorLognormal, 2, 1, 0.1F, 20, 5),
         {3.13326573F, 1.49201894F, 1.14980948F, 4.28069639F, 1.24819636F}},
        {"triangle",
         makeRequest(GeneratorTriangle, 5, 1, 0, 10, 5),
         {7.57406044F, 4.18598413F, 2.9557476F, 8.72789001F, 3.33975697F}},
        {"loguniform",
         makeRequest(GeneratorLoguniform, 1, 1, 0.01F, 100, 5),
         {33.8209114F, 0.252230197F, 0.0499937199F, 74.2230759F, 0.0780401602F}},
    };
    for (const Case& pinned : cases) {
        SCOPED_TRACE(pinned.name);
        const Delivery delivery = generateWithSeed(pinned.request, 20261206);
        ASSERT_EQ(delivery.status, GeneratorOk);
        EXPECT_EQ(delivery.values, pinned.expected);
    }
}

// Each of the n equal-probability strata of the truncated distribution holds exactly one
// value: sorted, value k lies where the truncated CDF is between k/n and (k+1)/n. For the
// uniform on [0, 10] with n = 10 that is plainly [k, k+1].
TEST(SamplingTest, LatinHypercubePutsOneValueInEveryStratum) {
    struct Case {
        std::string name;
        GeneratorRequest request;
        std::function<double(double)> truncatedCdf;
    };
    const boost::math::normal normal(50, 10);
    const double below = cdf(normal, 40);
    const double within = cdf(normal, 75) - below;
    const std::vector<Case> cases = {
        {"uniform", makeRequest(GeneratorUniform, 5, 1, 0, 10, 10),
         [](double x) { return x / 10; }},
        {"truncated normal", makeRequest(GeneratorNormal, 50, 100, 40, 75, 400),
         [&](double x) { return (cdf(normal, x) - below) / within; }},
    };
    for (const Case& stratified : cases) {
        SCOPED_TRACE(stratified.name);
        internal::reseed(3);
        GeneratorRequest request = stratified.request;
        std::vector<float> values(static_cast<std::size_t>(request.Count));
        ASSERT_EQ(latinHypercube(&request, values.data()), GeneratorOk);
        ASSERT_EQ(request.Count, stratified.request.Count);
        EXPECT_FALSE(std::is_sorted(values.begin(), values.end())) << "not shuffled";
        std::sort(values.begin(), values.end());
        const auto n = static_cast<double>(values.size());
        for (std::size_t k = 0; k < values.size(); ++k) {
            const double probability = stratified.truncatedCdf(values[k]);
            EXPECT_GE(probability, k / n - 1e-6) << k;
            EXPECT_LE(probability, (k + 1) / n + 1e-6) << k;
        }
    }
}

// The second entry refuses what the first refuses, and leaves the random series alone: a
// Latin hypercube call between two seeded calls only moves the shared stream on.
TEST(SamplingTest, LatinHypercubeChecksAsMonteCarloDoes) {
    GeneratorRequest refused = makeRequest(GeneratorLognormal, -1, 1, 0, 10, 5);
    std::vector<float> slots(5, -7.0F);
    EXPECT_EQ(latinHypercube(&refused, slots.data()), GeneratorNonPositiveMean);
    EXPECT_EQ(refused.Count, 0);
    EXPECT_EQ(slots, std::vector<float>(5, -7.0F));
    const GeneratorRequest request = makeRequest(GeneratorNormal, 70, 100, 40, 100, 5);

    const Delivery first = generateWithSeed(request, 11);
    internal::reseed(11);
    GeneratorRequest again = request;
    ASSERT_EQ(latinHypercube(&again, slots.data()), GeneratorOk);
    const std::vector<float> stratified = slots;
    internal::reseed(11);
    again = request;
    ASSERT_EQ(latinHypercube(&again, slots.data()), GeneratorOk);
    EXPECT_EQ(slots, stratified) << "a seed repeats the Latin hypercube series";
    EXPECT_NE(slots, first.values);
}

} // namespace
} // namespace torval::stogen::testing
