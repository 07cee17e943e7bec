#include "montecarlo/Statistics.h"

#include "montecarlo/AscendingOrder.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace torval {
namespace {

void expectClose(float actual, double expected) {
    EXPECT_NEAR(actual, expected, 2e-6 * std::max(1.0, std::fabs(expected)));
}

TEST(Statistics, SummarisesSeriesOrRefusesThem) {
    struct Case {
        std::vector<float> series;
        double minimum, maximum, median, mean, geometric, variance;
        int code = 0; // what a series without statistics raises
    };
    const std::vector<Case> cases = {
        {{3, 1, 2}, 1, 3, 1, 2, std::cbrt(6.0), 1},
        {{4, 1, 3, 2}, 1, 4, 2, 2.5, std::pow(24.0, 0.25), 5.0 / 3},
        // The median is the element at n / 2 rounded down, not the middle of the series.
        {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 1, 10, 5, 5.5, std::pow(3628800.0, 0.1), 55.0 / 6},
        {{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 1, 11, 5, 6, std::pow(39916800.0, 1.0 / 11), 11},
        {{0, 2, 4}, 0, 4, 0, 2, 0, 4},
        {{3, -1, 2}, 0, 0, 0, 0, 0, 0, ErrorCode::IllegalFunctionCall},
        {{4}, 0, 0, 0, 0, 0, 0, ErrorCode::DivisionByZero},
        {{}, 0, 0, 0, 0, 0, 0, ErrorCode::DivisionByZero},
        {{3e38F, 3e38F}, 0, 0, 0, 0, 0, 0, ErrorCode::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series.size());
        EXPECT_EQ(testing::codeOf([&] { computeStatistics(c.series); }), c.code);
        if (c.code != 0) {
            continue;
        }
        const SeriesStatistics s = computeStatistics(c.series);
        expectClose(s.minimum, c.minimum);
        expectClose(s.maximum, c.maximum);
        expectClose(s.median, c.median);
        expectClose(s.arithmeticMean, c.mean);
        expectClose(s.geometricMean, c.geometric);
        expectClose(s.variance, c.variance);
        expectClose(s.standardDeviation, std::sqrt(c.variance));
    }
}

TEST(Statistics, SortsAscendingAsAComparisonSortDoes) {
    std::mt19937 engine(11);
    std::uniform_real_distribution<float> spread(-1e6F, 1e6F);
    std::vector<float> values = {-0.0F,
                                 0.0F,
                                 1e-40F,
                                 -1e-40F,
                                 -3,
                                 3,
                                 3,
                                 -3,
                                 std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::max()};
    for (int i = 0; i < 5000; ++i) {
        values.push_back(spread(engine) / static_cast<float>(1 + i % 7));
    }
    std::vector<float> expected = values;
    std::sort(expected.begin(), expected.end());
    sortAscending(values);
    EXPECT_EQ(values, expected);
}

// The statistics as the plain steps take them: a comparison sort of the whole series, and every
// float step checked as it is taken.
float checked(float value) {
    if (std::isinf(value)) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    if (std::isnan(value)) {
        throw RunTimeError(ErrorCode::IllegalFunctionCall);
    }
    return value;
}

float checkedDivide(float dividend, float divisor) {
    if (divisor == 0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    return checked(dividend / divisor);
}

SeriesStatistics plainStatistics(std::vector<float> a) {
    const auto n = static_cast<float>(a.size());
    const float oneOverN = checkedDivide(1.0F, n);
    float sum = 0;
    float product = 1;
    for (const float v : a) {
        sum = checked(sum + v);
        product = checked(product * checked(std::pow(v, oneOverN)));
    }
    std::sort(a.begin(), a.end());
    SeriesStatistics s;
    s.minimum = a.front();
    s.maximum = a.back();
    s.median = a.size() < 2 ? 0.0F : a[a.size() / 2 - 1];
    s.arithmeticMean = checkedDivide(sum, n);
    s.geometricMean = product;
    float squares = 0;
    for (const float v : a) {
        squares = checked(squares + checked(std::pow(checked(v - s.arithmeticMean), 2.0F)));
    }
    s.variance = checkedDivide(squares, n - 1.0F);
    s.standardDeviation = checked(std::pow(s.variance, 0.5F));
    return s;
}

// Every figure as bits, or the failure code alone.
std::vector<std::uint32_t> outcomeOf(const std::function<SeriesStatistics()>& statistics) {
    try {
        const SeriesStatistics s = statistics();
        return {std::bit_cast<std::uint32_t>(s.minimum),
                std::bit_cast<std::uint32_t>(s.maximum),
                std::bit_cast<std::uint32_t>(s.median),
                std::bit_cast<std::uint32_t>(s.arithmeticMean),
                std::bit_cast<std::uint32_t>(s.geometricMean),
                std::bit_cast<std::uint32_t>(s.variance),
                std::bit_cast<std::uint32_t>(s.standardDeviation)};
    } catch (const RunTimeError& failure) {
        return {static_cast<std::uint32_t>(failure.code())};
    }
}

TEST(Statistics, GivesThePlainStepsResultsToTheLastBit) {
    std::mt19937 engine(2024);
    std::lognormal_distribution<float> lognormal(2.0F, 1.5F);
    std::uniform_real_distribution<float> narrow(40.0F, 100.0F);
    std::uniform_int_distribution<int> length(1, 3000);
    for (int series = 0; series < 400; ++series) {
        std::vector<float> values(static_cast<std::size_t>(length(engine)));
        for (float& v : values) {
            v = series % 2 == 0 ? narrow(engine) : lognormal(engine);
        }
        // Now and then a value that makes a step fail or the geometric mean vanish.
        const float specials[] = {-1.0F, 3e38F, 0.0F, 1e-30F};
        if (series % 5 == 0) {
            values[values.size() / 3] = specials[(series / 5) % 4];
        }
        SCOPED_TRACE(series);
        ASSERT_EQ(outcomeOf([&] { return computeStatistics(values); }),
                  outcomeOf([&] { return plainStatistics(values); }));
    }
}

TEST(Statistics, FormatsAStatisticFromItsSevenDigits) {
    struct Case {
        float value;
        std::string text;
    };
    const std::vector<Case> cases = {
        {70.0F, "70"},
        {0.1F, "0.1"},
        {1.00005F, "1.0001"}, // the float lies just below the half; its seven digits do not
        {123456.7F, "1.2346e+5"},
        {-2.5e-7F, "-2.5e-7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatStatistic(c.value), c.text);
    }
}

} // namespace
} // namespace torval
