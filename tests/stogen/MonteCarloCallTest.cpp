// The contract of monteCarlo around the statistics: bounds, the number of values written,
// windows without probability, refused requests and seeding.
#include "StogenTestSupport.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace torval::stogen::testing {
namespace {

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

TEST(MonteCarloCallTest, WritesExactlyCountValues) {
    const float sentinel = -12345.0f;
    for (const int32_t count : {1, 7, 32768}) {
        SCOPED_TRACE(count);
        GeneratorRequest request = makeRequest(GeneratorNormal, 5, 4, 0, 10, count);
        std::vector<float> slots(static_cast<std::size_t>(count) + 16, sentinel);
        internal::reseed(1);
        ASSERT_EQ(monteCarlo(&request, slots.data()), GeneratorOk);
        EXPECT_EQ(request.Count, count);
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (i < static_cast<std::size_t>(count)) {
                ASSERT_GE(slots[i], 0.0f) << i;
                ASSERT_LE(slots[i], 10.0f) << i;
            } else {
                ASSERT_EQ(slots[i], sentinel) << i;
            }
        }
    }
}

// A window a double sees as holding no probability gives the bound on the side of the mass,
// at once: there is no loop waiting for a draw inside [50, 60] sd.
TEST(MonteCarloCallTest, WindowWithoutProbabilityYieldsTheNearerBound) {
    struct Case {
        std::string name;
        GeneratorRequest request;
        float expected;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"normal far above", makeRequest(GeneratorNormal, 0, 1, 50, 60, 1000), 50},
        {"normal far below", makeRequest(GeneratorNormal, 0, 1, -60, -50, 1000), -50},
        {"lognormal below its support", makeRequest(GeneratorLognormal, 1, 1, -5, -1, 1000), -1},
        {"exponential far above", makeRequest(GeneratorExponential, 1, 1, 800, 900, 1000), 800},
        {"exponential below its support", makeRequest(GeneratorExponential, 1, 1, -3, -1, 1000), -1},
        {"gumbel far below", makeRequest(GeneratorGumbel, 0, 1, -100, -90, 1000), -90},
        {"triangle on one point", makeRequest(GeneratorTriangle, 4, 1, 4, 4, 1000), 4},
        {"uniform on one point", makeRequest(GeneratorUniform, 3, 1, 3, 3, 1000), 3},
    };
    // clang-format on
    for (const Case& window : cases) {
        SCOPED_TRACE(window.name);
        const Delivery delivery = generateWithSeed(window.request, 4);
        ASSERT_EQ(delivery.status, GeneratorOk);
        ASSERT_EQ(delivery.count, 1000);
        for (const float value : delivery.values) {
            ASSERT_EQ(value, window.expected);
        }
    }
}

TEST(MonteCarloCallTest, RefusedRequestsWriteAndDrawNothing) {
    struct Case {
        std::string name;
        GeneratorRequest request;
        int16_t status;
    };
    GeneratorRequest unknownLow = makeRequest(0, 1, 1, 0, 2, 10);
    GeneratorRequest unknownHigh = makeRequest(8, 1, 1, 0, 2, 10);
    GeneratorRequest negativeStdDev = makeRequest(GeneratorNormal, 1, 1, 0, 2, 10);
    negativeStdDev.StdDev = -1;
    GeneratorRequest nanStdDev = makeRequest(GeneratorGumbel, 1, 1, 0, 2, 10);
    nanStdDev.StdDev = nan;
    // The root of a negative variance would be nan, refused before the sign is looked at.
    GeneratorRequest negativeVariance = makeRequest(GeneratorUniform, 1, 1, 0, 2, 10);
    negativeVariance.Variance = -1;
    // clang-format off
    const std::vector<Case> cases = {
        {"no values asked", makeRequest(GeneratorNormal, 1, 1, 0, 2, 0), GeneratorBadCount},
        {"negative count", makeRequest(GeneratorNormal, 1, 1, 0, 2, -5), GeneratorBadCount},
        {"distribution code 0", unknownLow, GeneratorUnknownDistribution},
        {"distribution code 8", unknownHigh, GeneratorUnknownDistribution},
        {"nan mean", makeRequest(GeneratorNormal, nan, 1, 0, 2, 10), GeneratorNonFiniteParameter},
        {"nan standard deviation", nanStdDev, GeneratorNonFiniteParameter},
        {"nan variance the uniform ignores", makeRequest(GeneratorUniform, 1, nan, 0, 2, 10), GeneratorNonFiniteParameter},
        {"infinite maximum", makeRequest(GeneratorNormal, 1, 1, 0, infinity, 10), GeneratorNonFiniteParameter},
        {"minimum above maximum", makeRequest(GeneratorUniform, 1, 1, 3, 2, 10), GeneratorInvertedBounds},
        {"negative variance", negativeVariance, GeneratorNegativeVariance},
        {"negative variance with its nan root", makeRequest(GeneratorUniform, 1, -1, 0, 2, 10), GeneratorNonFiniteParameter},
        {"negative standard deviation", negativeStdDev, GeneratorNegativeVariance},
        {"normal without spread", makeRequest(GeneratorNormal, 1, 0, 0, 2, 10), GeneratorNonPositiveSpread},
        {"lognormal without spread", makeRequest(GeneratorLognormal, 1, 0, 0, 2, 10), GeneratorNonPositiveSpread},
        {"gumbel without spread", makeRequest(GeneratorGumbel, 1, 0, 0, 2, 10), GeneratorNonPositiveSpread},
        {"lognormal mean 0", makeRequest(GeneratorLognormal, 0, 1, 0, 2, 10), GeneratorNonPositiveMean},
        {"exponential mean 0", makeRequest(GeneratorExponential, 0, 1, 0, 2, 10), GeneratorNonPositiveMean},
        {"loguniform minimum 0", makeRequest(GeneratorLoguniform, 1, 1, 0, 2, 10), GeneratorNonPositiveBound},
    };
    // clang-format on
    const GeneratorRequest valid = makeRequest(GeneratorNormal, 1, 1, -3, 5, 50);
    const Delivery undisturbed = generateWithSeed(valid, 21);

    internal::reseed(21);
    const float sentinel = -777.0f;
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.name);
        GeneratorRequest request = refused.request;
        std::vector<float> slots(16, sentinel);
        EXPECT_EQ(monteCarlo(&request, slots.data()), refused.status);
        EXPECT_EQ(request.Count, 0);
        for (const float slot : slots) {
            ASSERT_EQ(slot, sentinel);
        }
    }
    GeneratorRequest withoutSlots = valid;
    EXPECT_EQ(monteCarlo(&withoutSlots, nullptr), GeneratorNullArgument);
    EXPECT_EQ(withoutSlots.Count, 0);
    EXPECT_EQ(monteCarlo(nullptr, std::vector<float>(4).data()), GeneratorNullArgument);

    EXPECT_EQ(generate(valid).values, undisturbed.values);
}

// The engine is seeded at the first call of a process and later calls continue its stream: the
// variants of one generation differ, and a run started with the same TORVAL_SEED repeats.
TEST(MonteCarloCallTest, SeedIsTakenFromTheEnvironmentOnceAtTheFirstCall) {
    const GeneratorRequest request = makeRequest(GeneratorGumbel, 10, 9, 0, 30, 200);
    internal::forgetSeed();
    setenv("TORVAL_SEED", "7", 1);
    const Delivery firstVariant = generate(request);
    setenv("TORVAL_SEED", "8", 1);
    const Delivery secondVariant = generate(request);

    const Delivery firstFromSeed = generateWithSeed(request, 7);
    const Delivery secondFromSeed = generate(request);
    unsetenv("TORVAL_SEED");
    internal::forgetSeed();

    EXPECT_EQ(firstVariant.values, firstFromSeed.values);
    EXPECT_EQ(secondVariant.values, secondFromSeed.values);
    EXPECT_NE(firstVariant.values, secondVariant.values);
}

} // namespace
} // namespace torval::stogen::testing
