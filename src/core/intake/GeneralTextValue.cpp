#include "intake/GeneralTextValue.h"

#include "shell/NumberText.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace torval {

namespace {

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> ExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

constexpr double SmallestMantissa = 1e14; // 15 digits: 1e14 <= mantissa < 1e15
constexpr double MantissaLimit = 1e15;

// The integer nearest to magnitude x scale (halves to even), from the exact product: fma gives
// the rounding error of the double product, so the fraction is judged without rounding. Exact
// while the product stays below 2^50; a larger product only has to come out at least 1e15,
// which it does.
double nearestIntegerOfProduct(double magnitude, double scale) {
    const double high = magnitude * scale;
    const double low = std::fma(magnitude, scale, -high);
    const auto whole = static_cast<std::int64_t>(high); // positive: truncation is the floor
    const double excess = (high - static_cast<double>(whole)) - 0.5; // both steps exact
    if (excess > -low || (excess == -low && whole % 2 != 0)) {
        return static_cast<double>(whole + 1);
    }
    return static_cast<double>(whole);
}

// floor(log10(magnitude)) or one less, from the binary exponent alone (log10(2) is about
// 78913 / 2^18); the caller corrects a guess that is one too low.
int decimalExponentGuess(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int binaryExponent = static_cast<int>((bits >> 52) & 0x7FF) - 1023;
    return (binaryExponent * 78913) >> 18;
}

// The 15-digit mantissa m of the magnitude (value = m x 10^-k) and its division by the exact
// power 10^k: one correctly rounded division gives the double nearest to the decimal, which is
// what reading the text gives. Only for magnitudes where 10^k is exact; nullopt elsewhere.
std::optional<double> roundedThroughDecimal(double magnitude) {
    if (!(magnitude >= 1e-7 && magnitude < 1e14)) {
        return std::nullopt;
    }
    int exponent = decimalExponentGuess(magnitude);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int k = 14 - exponent;
        if (k < 0 || k >= static_cast<int>(ExactPowersOfTen.size())) {
            return std::nullopt;
        }
        const double scale = ExactPowersOfTen[static_cast<std::size_t>(k)];
        const double mantissa = nearestIntegerOfProduct(magnitude, scale);
        if (mantissa >= MantissaLimit) {
            ++exponent; // the guess was low, or the rounding carried into a new digit
        } else if (mantissa < SmallestMantissa) {
            --exponent;
        } else {
            return mantissa / scale;
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
