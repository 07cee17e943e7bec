#include "Statistics.h"

#include "Density.h"

#include <cmath>
#include <gtest/gtest.h>

namespace torval::charton {
namespace {

TEST(StatisticsTest, SummariesOnHandWorkedValues) {
    // Sorted 1 2 3 4 10: P5, median and P95 are elements 1 (at least the first), 2 and 4 (5 p
    // rounded down); squares about the mean 4 sum to 50.
    const std::vector<double> values = {10, 3, 1, 4, 2};
    const Summary s = summarise(values);
    EXPECT_EQ(s.n, 5u);
    EXPECT_DOUBLE_EQ(s.minimum, 1);
    EXPECT_DOUBLE_EQ(s.p5, 1);
    EXPECT_DOUBLE_EQ(s.median, 2);
    EXPECT_DOUBLE_EQ(s.mean, 4);
    EXPECT_NEAR(s.geometricMean, std::pow(240.0, 0.2), 1e-12);
    EXPECT_DOUBLE_EQ(s.p95, 4);
    EXPECT_DOUBLE_EQ(s.maximum, 10);
    EXPECT_DOUBLE_EQ(s.standardDeviation, std::sqrt(12.5));

    const std::vector<double> even = {4, 1, 3, 2};
    EXPECT_DOUBLE_EQ(summarise(even).median, 2); // never a mean of two middle values
    const std::vector<double> withZero = {0, 1, 2};
    EXPECT_TRUE(std::isnan(summarise(withZero).geometricMean));
    const std::vector<double> single = {7};
    EXPECT_EQ(summarise(single).standardDeviation, 0);
    EXPECT_DOUBLE_EQ(summarise(single).p95, 7);
    EXPECT_EQ(summarise({}).n, 0u);
}

TEST(StatisticsTest, BinsAndHistograms) {
    // 1..8: quartiles 2.75 and 6.25, width 2 * 3.5 / cbrt(8) = 3.5 over a range of 7.
    const std::vector<double> eight = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(freedmanDiaconisBins(eight), 2u);
    // Uneven gaps: quartiles 3.5 and 40 interpolate within their own gaps; width 36.5, range 127.
    EXPECT_EQ(freedmanDiaconisBins(std::vector<double>{1, 2, 4, 8, 16, 32, 64, 128}), 4u);
    const std::vector<double> equal = {3, 3, 3};
    EXPECT_EQ(freedmanDiaconisBins(equal), 1u);
    // No spread between the quartiles: Sturges, ceil(log2 10) + 1.
    const std::vector<double> flat = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(freedmanDiaconisBins(flat), 5u);

    const std::vector<double> values = {1, 2, 3, 4, 10};
    const Histogram linear = histogram(values, 3, false);
    EXPECT_EQ(linear.edges, (std::vector<double>{1, 4, 7, 10}));
    EXPECT_EQ(linear.counts, (std::vector<std::size_t>{3, 1, 1}));
    // Log bins over the positive values only: -1 is left out.
    const std::vector<double> spread = {0.1, 1, 10, -1};
    const Histogram logarithmic = histogram(spread, 2, true);
    ASSERT_EQ(logarithmic.edges.size(), 3u);
    EXPECT_NEAR(logarithmic.edges[1], 1, 1e-12);
    EXPECT_NEAR(logarithmic.edges[2], 10, 1e-12);
    EXPECT_EQ(logarithmic.counts, (std::vector<std::size_t>{1, 2}));
    const std::vector<double> negative = {-1, -2};
    EXPECT_TRUE(histogram(negative, 4, true).counts.empty());
}

VariantInputs inputs(const char* distribution, double mean, double variance, double minimum,
                     double maximum) {
    return {distribution, mean, variance, minimum, maximum, "100"};
}

TEST(StatisticsTest, TruncatedDensitiesIntegrateToOneBetweenTheBounds) {
    const VariantInputs all[] = {
        inputs("Normal", 0, 1, 0, 10),          inputs("Lognormal", 2, 1, 0.5, 6),
        inputs("uniform", 0, 0, 2, 6),          inputs("Exponential", 1, 0, 0, 1),
        inputs("Gumbel", 5, 4, 1, 12),          inputs("Triangle", 4, 0, 2, 8),
        inputs(" Loguniform ", 0, 0, 0.1, 100),
    };
    for (const VariantInputs& in : all) {
        SCOPED_TRACE(in.distribution);
        const auto density = TruncatedDensity::of(in);
        ASSERT_TRUE(density.has_value());
        constexpr int Steps = 200000;
        const double width = (in.maximum - in.minimum) / Steps;
        double area = 0;
        for (int i = 0; i < Steps; ++i) {
            area += (*density)(in.minimum + (i + 0.5) * width) * width;
        }
        EXPECT_NEAR(area, 1, 1e-3);
        EXPECT_EQ((*density)(in.minimum - 1e-9), 0);
        EXPECT_EQ((*density)(in.maximum * 1.01 + 1), 0);
    }
    // Hand-worked: half a standard normal doubles at 0; the exponential cut at 1 is 1 / (1 - 1/e).
    EXPECT_NEAR((*TruncatedDensity::of(all[0]))(0), 2 / std::sqrt(2 * M_PI), 1e-9);
    EXPECT_NEAR((*TruncatedDensity::of(all[3]))(0), 1 / (1 - std::exp(-1.0)), 1e-9);
    EXPECT_DOUBLE_EQ((*TruncatedDensity::of(all[2]))(3), 0.25);
    // Nothing to draw: an unknown name, no width, a loguniform reaching 0.
    EXPECT_FALSE(TruncatedDensity::of(inputs("Cauchy", 0, 1, 0, 1)));
    EXPECT_FALSE(TruncatedDensity::of(inputs("Normal", 1, 1, 1, 1)));
    EXPECT_FALSE(TruncatedDensity::of(inputs("Loguniform", 0, 0, 0, 1)));
}

} // namespace
} // namespace torval::charton
