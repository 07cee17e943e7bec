#include "shell/NumberText.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

TEST(NumberText, NumericTestFollowsTheDecimalGrammar) {
    struct Case {
        std::string text;
        bool numeric;
    };
    const std::vector<Case> cases = {
        {"7", true},       {" 7 ", true},    {"-2.5", true},    {"+3", true},    {".5", true},
        {"5.", true},      {"1e5", true},    {"1.5E-07", true}, {"2E+15", true}, {"", false},
        {"   ", false},    {".", false},     {"-", false},      {"1e", false},   {"1e+", false},
        {"abc", false},    {"12abc", false}, {"1 2", false},    {"1,5", false},  {"--1", false},
        {"\t7", false},    {"inf", false},   {"nan", false},    {"0x10", false}, {"1.2.3", false},
        {"Monte:1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(isNumeric(c.text), c.numeric);
    }
}

TEST(NumberText, LeadingNumberTakesTheLongestNumericPrefix) {
    struct Case {
        std::string text;
        double value;
    };
    const std::vector<Case> cases = {
        {"12abc", 12}, {"- 1 2", -12}, {"1e5x", 100000}, {"1e", 1},          {"1e+", 1},
        {"abc", 0},    {"", 0},        {".5.5", 0.5},    {" \t\n3", 3},      {"-.25 kg", -0.25},
        {"+", 0},      {"3:4", 3},     {"1e-400", 0},    {"1.5E-07", 1.5e-7}};
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value);
    }
    EXPECT_EQ(codeOf([] { leadingNumber("1e400"); }), ErrorCode::Overflow);
}

TEST(NumberText, StrictConversionRaisesTypeMismatchAndOverflow) {
    EXPECT_DOUBLE_EQ(toDouble(" -2.5 "), -2.5);
    EXPECT_DOUBLE_EQ(toDouble("1e-310"), 1e-310);
    EXPECT_EQ(toDouble("-1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(toDouble("-1e-400")));
    struct Case {
        std::string text;
        int code;
    };
    const std::vector<Case> failures = {
        {"", ErrorCode::TypeMismatch},         {"abc", ErrorCode::TypeMismatch},
        {"1 2", ErrorCode::TypeMismatch},      {"12abc", ErrorCode::TypeMismatch},
        {"1e400", ErrorCode::Overflow},        {"-1e309", ErrorCode::Overflow},
        {"0.0000001e316", ErrorCode::Overflow}};
    for (const auto& c : failures) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(codeOf([&] { toDouble(c.text); }), c.code);
    }
}

TEST(NumberText, SixteenBitConversionRoundsHalvesToEven) {
    struct Case {
        double value;
        int expected; // 0 with overflow = true means it must raise 6
        bool overflow;
    };
    const std::vector<Case> cases = {
        {0.5, 0, false},           {1.5, 2, false},
        {2.5, 2, false},           {-2.5, -2, false},
        {-3.5, -4, false},         {2.4999, 2, false},
        {32767.4, 32767, false},   {32767.5, 0, true},
        {-32768.5, -32768, false}, {-32769, 0, true},
        {1e10, 0, true},           {std::numeric_limits<double>::quiet_NaN(), 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        if (c.overflow) {
            EXPECT_EQ(codeOf([&] { toInt16(c.value); }), ErrorCode::Overflow);
        } else {
            EXPECT_EQ(toInt16(c.value), c.expected);
        }
    }
    EXPECT_EQ(toInt16(" 3.5 "), 4);
    EXPECT_EQ(codeOf([] { toInt16("x"); }), ErrorCode::TypeMismatch);
}

TEST(NumberText, GeneralTextKeepsFifteenSignificantDigits) {
    struct Case {
        double value;
        std::string text;
    };
    const std::vector<Case> cases = {{0, "0"},
                                     {-0.0, "0"},
                                     {0.5, "0.5"},
                                     {100, "100"},
                                     {2.0 * 365 * 70 / 4900, "10.4285714285714"},
                                     {0.000521428571428571, "0.000521428571428571"},
                                     {1e-4, "0.0001"},
                                     {1e-5, "0.00001"},
                                     {1e-6, "1E-06"},
                                     {1.5e-7, "1.5E-07"},
                                     {2e15, "2E+15"},
                                     {123456789012345, "123456789012345"},
                                     {1234567890123456, "1.23456789012346E+15"},
                                     {999999999999999.9, "1E+15"},
                                     {0.1 + 0.2, "0.3"},
                                     {1e100, "1E+100"},
                                     {-1.25e-300, "-1.25E-300"},
                                     {99999.99999999999, "100000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(generalText(c.value), c.text);
        if (c.value != 0) {
            // Parsing the text back and printing it again changes nothing.
            EXPECT_EQ(generalText(toDouble(c.text)), c.text);
        }
    }
}

// The digits are printf's rounding of the exact value to 15 significant digits: both texts
// name the same decimal, so they read back as the same double.
TEST(NumberText, GeneralTextRoundsAsPrintfDoes) {
    std::mt19937_64 random(7);
    for (int n = 0; n < 200000; ++n) {
        const std::uint64_t bits = random();
        const double value = n % 2 == 0
                                 ? std::bit_cast<double>(bits)
                                 : std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 32));
        if (!(std::fabs(value) < 1e308)) {
            continue; // the text of the largest doubles rounds beyond a double
        }
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.14e", value);
        ASSERT_EQ(toDouble(generalText(value)), toDouble(expected)) << expected;
    }
}

TEST(NumberText, PrintFormPadsWithBlanks) {
    EXPECT_EQ(printText(1.5), " 1.5 ");
    EXPECT_EQ(printText(-2), "-2 ");
    EXPECT_EQ(printText(0), " 0 ");
    EXPECT_EQ(printText(1e-6), " 1E-06 ");
}

TEST(NumberText, FormatNumberChoosesThePatternByMagnitude) {
    struct Case {
        std::string value;
        std::string formatted;
    };
    const std::vector<Case> cases = {
        {"12345", "12345"}, // whole number below 100000: general form
        {"100000", "1e+5"}, // whole number from 100000: "#.####e+###"
        {"123456", "1.2346e+5"},
        {"0", "0"},
        {"0.05", "0.05"}, // "0.0####"
        {"-2.5", "-2.5"}, // "#.####" with the sign in front
        {" 7 ", "7"},
        {"  not a number ", "not a number"},
        {"1000.5", "1000.5"},  // "####.###"
        {"1000.0001", "1000"}, // no decimal left: no point either
        {"1234.56789", "1234.568"},
        {"123.4567", "123.457"},  // "###.###"
        {"12.345678", "12.3457"}, // "##.####"
        {"99.999999", "100"},
        {"1.23456", "1.2346"},       // "#.####"
        {"0.123456789", "0.12346"},  // "0.#####"
        {"0.0123456789", "0.01235"}, // "0.0####"
        {"0.001", "0.001"},          // "0.00####"
        {"0.00123456789", "0.001235"},
        {"0.0099999999", "0.01"},
        {"10000.5", "1.0001e+4"}, // fractional from 10000: "#.####e+###", half up
        {"2.00005", "2.0001"},
        {"9E-4", "9e-4"},
        {"0.000123456", "1.2346e-4"},
        {"99999.99999", "1e+5"}, // the mantissa carries into the exponent
        {"1E+20", "1e+20"},
        {"-1E-06", "-1e-6"},
        {"1e999", "1e999"}}; // beyond a double: shown as typed
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.value + "\"");
        EXPECT_EQ(FormatNumber(c.value), c.formatted);
    }
}

TEST(NumberText, ThousandsPatternGroupsDigits) {
    struct Case {
        double value;
        std::string text;
    };
    const std::vector<Case> cases = {{0, "0"},
                                     {999, "999"},
                                     {1000, "1,000"},
                                     {1234567.5, "1,234,568"},
                                     {-1234.4, "-1,234"},
                                     {-0.4, "0"},
                                     {1e9, "1,000,000,000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatThousands(c.value), c.text);
    }
}

} // namespace
} // namespace torval
