#include "datafiles/GridNumberText.h"

#include "shell/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace torval {

namespace {

constexpr std::size_t SignificantDigits = 15;

// The decimal digits (no point) and the decimal exponent of a positive finite number.
struct Decimal {
    std::array<char, 24> digits{};
    std::size_t count = 0;
    int exponent = 0;
};

Decimal shortestDecimal(double magnitude) {
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t ePos = text.find('e');
    Decimal decimal;
    for (const char c : text.substr(0, ePos)) {
        if (c != '.') {
            decimal.digits[decimal.count++] = c;
        }
    }
    std::string_view exponent = text.substr(ePos + 1);
    const bool negative = exponent.front() == '-';
    exponent.remove_prefix(1); // the sign, always written
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    decimal.exponent = negative ? -decimal.exponent : decimal.exponent;
    return decimal;
}

// Rounds to 15 significant digits as printf rounds the exact value. The shortest digits are
// closer to the value than any other decimal of their length, so rounding them gives the same
// digits unless they end exactly on a half at the 16th digit: then the exact value decides,
// and false is returned.
bool roundToSignificant(Decimal& decimal) {
    if (decimal.count <= SignificantDigits) {
        return true;
    }
    if (decimal.count == SignificantDigits + 1 && decimal.digits[SignificantDigits] == '5') {
        return false;
    }
    const bool up = decimal.digits[SignificantDigits] >= '5';
    decimal.count = SignificantDigits;
    if (up) {
        std::size_t i = SignificantDigits;
        while (i > 0 && decimal.digits[i - 1] == '9') {
            decimal.digits[--i] = '0';
        }
        if (i == 0) {
            decimal.digits[0] = '1';
            ++decimal.exponent;
        } else {
            ++decimal.digits[i - 1];
        }
    }
    return true;
}

void dropTrailingZeros(Decimal& decimal) {
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0') {
        --decimal.count;
    }
}

void appendComposed(std::string& out, bool negative, const Decimal& decimal) {
    const std::string_view digits(decimal.digits.data(), decimal.count);
    const int exponent = decimal.exponent;
    if (negative) {
        out += '-';
    }
    if (exponent >= -5 && exponent <= 14) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
            return;
        }
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            out += digits;
            out.append(wholeDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, wholeDigits);
            out += '.';
            out += digits.substr(wholeDigits);
        }
        return;
    }
    out += digits.front();
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        out += '0';
    }
    out += std::to_string(magnitude);
}

} // namespace

void appendGeneralText(std::string& out, double value) {
    // Subnormal numbers carry fewer digits than their shortest text suggests.
    if (!std::isnormal(value)) {
        out += generalText(value);
        return;
    }
    Decimal decimal = shortestDecimal(std::fabs(value));
    if (!roundToSignificant(decimal)) {
        out += generalText(value);
        return;
    }
    dropTrailingZeros(decimal);
    appendComposed(out, value < 0, decimal);
}

void appendPrintText(std::string& out, double value) {
    if (!(value < 0)) {
        out += ' ';
    }
    appendGeneralText(out, value);
    out += ' ';
}

} // namespace torval
