#include "intake/GeneralTextValue.h"

#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace torval {
namespace {

// What a path gives: the number, or the failure code.
struct Outcome {
    double value = 0.0;
    int failure = 0;
};

template <typename Path>
Outcome outcomeOf(Path&& path) {
    Outcome outcome;
    outcome.failure = testing::codeOf([&] { outcome.value = path(); });
    return outcome;
}

void expectSameAsText(double value) {
    const Outcome expected = outcomeOf([&] { return toDouble(generalText(value)); });
    const Outcome actual = outcomeOf([&] { return generalTextValue(value); });
    EXPECT_EQ(actual.failure, expected.failure) << generalText(value);
    // Bit for bit: the sign of zero and every last digit count.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual.value),
              std::bit_cast<std::uint64_t>(expected.value))
        << std::hexfloat << value << " read back as " << expected.value << ", computed "
        << actual.value;
}

TEST(GeneralTextValue, EqualsTheNumberReadBackFromTheGeneralText) {
    const double max = std::numeric_limits<double>::max();
    const std::vector<double> awkward = {
        0.1 + 0.2, // 0.30000000000000004: 17 digits, rounds to 0.3
        9.99999999999999e-8,
        99999999999999.99,
        99999999999999.9,
        999.9999999999995, // the 15-digit rounding carries into a new digit
        999.999999999999,
        1.00000000000005,
        12345678901234.25, // exact decimal ties at the 16th digit: halves to even
        12345678901234.75,
        12345678901233.25,
        1e-300,
        5e-324, // denormal
        2.2250738585072014e-308,
        max,
        -max,
        -0.0,
        0.0,
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    for (const double value : awkward) {
        expectSameAsText(value);
    }
    // Every power of ten the direct path handles, one step either side (1 + 2^-52 and 1 - 2^-53
    // among them).
    for (int exponent = -9; exponent <= 16; ++exponent) {
        const double power = std::pow(10.0, exponent);
        expectSameAsText(power);
        expectSameAsText(std::nextafter(power, 0.0));
        expectSameAsText(std::nextafter(power, 1e300));
    }
}

TEST(GeneralTextValue, EqualsTheTextPathOnGeneratedValuesOfEveryMagnitude) {
    std::mt19937_64 generator(42);
    std::uniform_real_distribution<double> exponent(-12.0, 17.0);
    std::uniform_real_distribution<double> sign(-1.0, 1.0);
    for (int draw = 0; draw < 20000; ++draw) {
        const double value = std::copysign(std::pow(10.0, exponent(generator)), sign(generator));
        expectSameAsText(value);
        expectSameAsText(static_cast<float>(value)); // as the generator library delivers them
        if (HasFailure()) {
            return; // one report is enough
        }
    }
}

} // namespace
} // namespace torval
