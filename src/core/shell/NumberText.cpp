#include "shell/NumberText.h"

#include "shell/NumberTextAppend.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace torval {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// Length of the longest prefix of `text` that is a decimal number, 0 when none is.
std::size_t decimalPrefixLength(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t intStart = pos;
    pos = skipDigits(text, pos);
    bool haveDigits = pos > intStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = pos + 1;
        const std::size_t fracEnd = skipDigits(text, fracStart);
        if (haveDigits || fracEnd > fracStart) {
            haveDigits = true;
            pos = fracEnd;
        }
    }
    if (!haveDigits) {
        return 0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            ++expPos;
        }
        const std::size_t expEnd = skipDigits(text, expPos);
        if (expEnd > expPos) {
            pos = expEnd;
        }
    }
    return pos;
}

// Rough decimal exponent of a number text (the power of ten of its first significant digit),
// enough to tell an overflow from an underflow when the exact conversion is out of range.
long decimalMagnitude(std::string_view number) {
    long exponent = 0;
    const auto ePos = number.find_first_of("eE");
    if (ePos != std::string_view::npos) {
        const std::string_view expText = number.substr(ePos + 1);
        const bool negative = !expText.empty() && expText.front() == '-';
        long value = 0;
        for (char c : expText) {
            if (isDigit(c) && value < 1'000'000'000) {
                value = value * 10 + (c - '0');
            }
        }
        exponent = negative ? -value : value;
        number = number.substr(0, ePos);
    }
    const auto point = number.find('.');
    const std::string_view intPart = number.substr(0, point);
    const auto firstSignificant = intPart.find_first_of("123456789");
    if (firstSignificant != std::string_view::npos) {
        return exponent + static_cast<long>(intPart.size() - firstSignificant) - 1;
    }
    if (point == std::string_view::npos) {
        return std::numeric_limits<long>::min(); // zero
    }
    const std::string_view fraction = number.substr(point + 1);
    const auto firstFraction = fraction.find_first_of("123456789");
    if (firstFraction == std::string_view::npos) {
        return std::numeric_limits<long>::min();
    }
    return exponent - static_cast<long>(firstFraction) - 1;
}

// Converts a text already known to be a decimal number.
double convertDecimal(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalMagnitude(number) > 0) {
            throw RunTimeError(ErrorCode::Overflow, "number beyond the range of a double");
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

bool isValBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string withoutTrailingZeros(std::string digits, std::size_t keepDecimals) {
    const auto point = digits.find('.');
    if (point == std::string::npos) {
        return digits;
    }
    std::size_t end = digits.size();
    while (end > point + 1 + keepDecimals && digits[end - 1] == '0') {
        --end;
    }
    if (end == point + 1) {
        --end; // no decimal left: drop the point as well
    }
    digits.resize(end);
    return digits;
}

// The 15 significant digits of a positive finite number, rounded once from its exact value,
// without trailing zeros, and its decimal exponent (which includes any carry of the rounding).
struct ScientificDigits {
    std::array<char, 16> digits{};
    std::size_t count = 0;
    int exponent = 0;
};

ScientificDigits scientificDigits(double magnitude) {
    std::array<char, 32> text{}; // d.ddddddddddddddde-XXX at most
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, 14);
    const char* const e = std::find(text.data(), written.ptr, 'e');
    ScientificDigits scientific;
    for (const char* c = text.data(); c != e; ++c) {
        if (*c != '.') {
            scientific.digits[scientific.count++] = *c;
        }
    }
    while (scientific.count > 1 && scientific.digits[scientific.count - 1] == '0') {
        --scientific.count;
    }
    const char* exponent = e + 1;
    const bool negative = *exponent == '-';
    std::from_chars(exponent + 1, written.ptr, scientific.exponent); // after the sign
    scientific.exponent = negative ? -scientific.exponent : scientific.exponent;
    return scientific;
}

// Plain decimal for exponents -5..14, otherwise mantissa, "E", sign, at least two digits.
void appendComposed(std::string& out, const ScientificDigits& scientific) {
    const std::string_view digits(scientific.digits.data(), scientific.count);
    const int exponent = scientific.exponent;
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
    std::array<char, 4> exponentDigits{};
    const auto end = std::to_chars(exponentDigits.data(),
                                   exponentDigits.data() + exponentDigits.size(), magnitude);
    out.append(exponentDigits.data(), end.ptr);
}

std::string printfDouble(const char* format, int precision, double value) {
    char buffer[512];
    const int length = std::snprintf(buffer, sizeof buffer, format, precision, value);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// A fixed pattern such as "##.####" or "0.0####": at least `minDecimals`, at most
// `maxDecimals` decimals; the integer part is written as the digits it has ("0" below 1).
std::string formatFixed(double value, int minDecimals, int maxDecimals) {
    return withoutTrailingZeros(printfDouble("%.*f", maxDecimals, value),
                                static_cast<std::size_t>(minDecimals));
}

// The fixed patterns by magnitude; a fractional value outside them all takes "#.####e+###".
struct FixedPattern {
    double from;
    double below;
    int minDecimals;
    int maxDecimals;
};

constexpr FixedPattern fixedPatterns[] = {
    {1000, 10000, 0, 3}, // "####.###"
    {100, 1000, 0, 3},   // "###.###"
    {10, 100, 0, 4},     // "##.####"
    {1, 10, 0, 4},       // "#.####"
    {0.1, 1, 0, 5},      // "0.#####"
    {0.01, 0.1, 1, 5},   // "0.0####"
    {0.001, 0.01, 2, 6}, // "0.00####"
};

// The pattern "#.####e+###".
std::string formatScientific(double value) {
    const std::string text = printfDouble("%.*e", 4, value); // d.dddde+XX, carry included
    const auto ePos = text.find('e');
    const std::string mantissa = withoutTrailingZeros(text.substr(0, ePos), 0);
    const int exponent = std::stoi(text.substr(ePos + 1));
    return mantissa + (exponent < 0 ? "e-" : "e+") + std::to_string(std::abs(exponent));
}

} // namespace

bool isNumeric(std::string_view text) {
    const std::string_view trimmed = trimBlanksView(text);
    return !trimmed.empty() && decimalPrefixLength(trimmed) == trimmed.size();
}

double leadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isValBlank(c)) {
            compact.push_back(c);
        }
    }
    const std::size_t length = decimalPrefixLength(compact);
    return length == 0 ? 0.0 : convertDecimal(std::string_view(compact).substr(0, length));
}

double toDouble(std::string_view text) {
    if (!isNumeric(text)) {
        throw RunTimeError(ErrorCode::TypeMismatch, "not a number: \"" + std::string(text) + "\"");
    }
    return convertDecimal(trimBlanksView(text));
}

std::int16_t toInt16(double value) {
    const double rounded = std::nearbyint(value); // the default rounding: halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw RunTimeError(ErrorCode::Overflow, "value outside the 16-bit range");
    }
    return static_cast<std::int16_t>(rounded);
}

std::int16_t toInt16(std::string_view text) {
    return toInt16(toDouble(text));
}

void appendGeneralText(std::string& out, double value) {
    if (value == 0.0) {
        out += '0';
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
        return;
    }
    const ScientificDigits scientific = scientificDigits(std::fabs(value));
    if (value < 0) {
        out += '-';
    }
    appendComposed(out, scientific);
}

void appendPrintText(std::string& out, double value) {
    if (!(value < 0)) {
        out += ' ';
    }
    appendGeneralText(out, value);
    out += ' ';
}

std::string generalText(double value) {
    std::string text;
    appendGeneralText(text, value);
    return text;
}

std::string printText(double value) {
    std::string text;
    appendPrintText(text, value);
    return text;
}

std::string FormatNumber(std::string_view value) {
    const std::string trimmed = trimBlanks(value);
    if (!isNumeric(trimmed)) {
        return trimmed;
    }
    double v = 0.0;
    try {
        v = toDouble(trimmed);
    } catch (const RunTimeError&) {
        return trimmed; // beyond a double: shown as typed rather than failing a display
    }
    const bool negative = v < 0;
    v = std::fabs(v);

    const std::string shortest = generalText(v);
    const bool fractional = contains(shortest, ".") || contains(shortest, "E");

    // The patterns round halves up; one step up to the next double turns an exact tie, which
    // printf would round to even, into a value just above it and leaves every other case alone.
    const double rounded = std::nextafter(v, std::numeric_limits<double>::infinity());
    std::string formatted;
    if (!fractional) {
        formatted = v >= 100000 ? formatScientific(rounded) : shortest;
    } else {
        formatted = formatScientific(rounded); // v >= 10000 or v < 0.001
        for (const FixedPattern& pattern : fixedPatterns) {
            if (v >= pattern.from && v < pattern.below) {
                formatted = formatFixed(rounded, pattern.minDecimals, pattern.maxDecimals);
                break;
            }
        }
    }
    return negative ? "-" + formatted : formatted;
}

std::string formatThousands(double value) {
    const std::string whole = printfDouble("%.*f", 0, std::round(value));
    const bool negative = !whole.empty() && whole.front() == '-';
    const std::string digits = negative ? whole.substr(1) : whole;
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return (negative && grouped != "0" ? "-" : "") + grouped;
}

} // namespace torval
