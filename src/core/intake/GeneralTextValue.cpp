#include "intake/GeneralTextValue.h"

#include "shell/NumberText.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace torval {

namespace {

// Powers of ten that a double holds exactly, and the same powers' factors of five.
constexpr std::array<double, 23> ExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

constexpr std::array<std::uint64_t, 23> PowersOfFive = [] {
    std::array<std::uint64_t, 23> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 5;
    }
    return powers;
}();

constexpr std::uint64_t SmallestMantissa = 100'000'000'000'000; // 15 digits: 1e14 <= m < 1e15
constexpr std::uint64_t MantissaLimit = 1'000'000'000'000'000;

// The 128-bit product of two 64-bit numbers, as its high and low halves.
struct Product128 {
    std::uint64_t high;
    std::uint64_t low;
};

Product128 multiply(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t aLow = a & 0xFFFFFFFFU;
    const std::uint64_t aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFFU;
    const std::uint64_t bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFU) + (lowHigh & 0xFFFFFFFFU);
    return {aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
            (middle << 32) | (lowLow & 0xFFFFFFFFU)};
}

// A positive normal double as significand x 2^exponent, the significand a 53-bit integer.
struct BinaryParts {
    std::uint64_t significand;
    int exponent;
};

BinaryParts binaryPartsOf(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    return {(bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52),
            static_cast<int>(bits >> 52) - 1075};
}

// The integer nearest to magnitude x 10^k (halves to even), computed exactly in integers:
// significand x 5^k x 2^(exponent + k). nullopt when the shift leaves the range handled here.
std::optional<std::uint64_t> nearestIntegerOfScaled(BinaryParts parts, int k) {
    const int shift = -(parts.exponent + k);
    if (shift < 1 || shift > 63) {
        return std::nullopt;
    }
    const Product128 product =
        multiply(parts.significand, PowersOfFive[static_cast<std::size_t>(k)]);
    if ((product.high >> shift) != 0) {
        return std::nullopt;
    }
    const std::uint64_t whole = (product.high << (64 - shift)) | (product.low >> shift);
    const std::uint64_t remainder = product.low & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    // Without branches: which way a value rounds follows no pattern.
    const auto up = static_cast<std::uint64_t>(remainder > half) |
                    (static_cast<std::uint64_t>(remainder == half) & whole);
    return whole + (up & 1);
}

// The doubles nearest to 10^-8 .. 10^-1, for the comparisons of the guess below only.
constexpr std::array<double, 8> NegativePowersOfTen = {1e-8, 1e-7, 1e-6, 1e-5,
                                                       1e-4, 1e-3, 1e-2, 1e-1};

double powerOfTenNear(int exponent) {
    return exponent < 0 ? NegativePowersOfTen[static_cast<std::size_t>(exponent + 8)]
                        : ExactPowersOfTen[static_cast<std::size_t>(exponent)];
}

// floor(log10(magnitude)) for a magnitude in [1e-7, 1e14): the binary exponent alone gives it or
// one less (log10(2) is about 78913 / 2^18), and one comparison with the next power decides.
// Near a negative power, whose double is not exact, the result can still be one off; the caller
// corrects that.
int decimalExponentGuess(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int binaryExponent = static_cast<int>((bits >> 52) & 0x7FF) - 1023;
    const int guess = (binaryExponent * 78913) >> 18; // -8..13 in that range
    return guess + static_cast<int>(magnitude >= powerOfTenNear(guess + 1));
}

// The 15-digit mantissa m of the magnitude (value = m x 10^-k) and its division by the exact
// power 10^k: one correctly rounded division gives the double nearest to the decimal, which is
// what reading the text gives. Only for magnitudes where 10^k is exact; nullopt elsewhere.
std::optional<double> roundedThroughDecimal(double magnitude) {
    if (!(magnitude >= 1e-7 && magnitude < 1e14)) {
        return std::nullopt;
    }
    const BinaryParts parts = binaryPartsOf(magnitude);
    int exponent = decimalExponentGuess(magnitude);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int k = 14 - exponent;
        if (k < 0 || k >= static_cast<int>(ExactPowersOfTen.size())) {
            return std::nullopt;
        }
        const std::optional<std::uint64_t> mantissa = nearestIntegerOfScaled(parts, k);
        if (!mantissa) {
            return std::nullopt;
        }
        if (*mantissa >= MantissaLimit) {
            ++exponent; // the guess was low, or the rounding carried into a new digit
        } else if (*mantissa < SmallestMantissa) {
            --exponent;
        } else {
            return static_cast<double>(*mantissa) / ExactPowersOfTen[static_cast<std::size_t>(k)];
        }
    }
    return std::nullopt;
}

} // namespace

double generalTextValue(double value) {
    if (value == 0.0) {
        return 0.0; // "0", whatever the sign
    }
    if (const std::optional<double> magnitude = roundedThroughDecimal(std::fabs(value))) {
        return value < 0 ? -*magnitude : *magnitude;
    }
    return toDouble(generalText(value));
}

} // namespace torval
