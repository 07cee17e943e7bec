// The two sampling entry points: monteCarlo's seeded series pinned to the bit, so that nothing
// added beside it can change what a seed gives.
#include "StogenTestSupport.h"

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
        {"normal", makeRequest(GeneratorNormal, 70, 100, 40, 100, 5),
         {81.8133011F, 66.1698151F, 60.6776314F, 88.2996216F, 62.4066849F}},
        {"lognormal", makeRequest(GeneratorLognormal, 2, 1, 0.1F, 20, 5),
         {3.13326573F, 1.49201894F, 1.14980948F, 4.28069639F, 1.24819636F}},
        {"triangle", makeRequest(GeneratorTriangle, 5, 1, 0, 10, 5),
         {7.57406044F, 4.18598413F, 2.9557476F, 8.72789001F, 3.33975697F}},
        {"loguniform", makeRequest(GeneratorLoguniform, 1, 1, 0.01F, 100, 5),
         {33.8209114F, 0.252230197F, 0.0499937199F, 74.2230759F, 0.0780401602F}},
    };
    for (const Case& pinned : cases) {
        SCOPED_TRACE(pinned.name);
        const Delivery delivery = generateWithSeed(pinned.request, 20261206);
        ASSERT_EQ(delivery.status, GeneratorOk);
        EXPECT_EQ(delivery.values, pinned.expected);
    }
}

} // namespace
} // namespace torval::stogen::testing
