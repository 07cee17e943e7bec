#include "montecarlo/IntakeSummary.h"

#include "montecarlo/Statistics.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace torval {
namespace {

std::vector<double> oneTo(int n) {
    std::vector<double> values(static_cast<std::size_t>(n));
    std::iota(values.rbegin(), values.rend(), 1.0); // descending: the summary sorts
    return values;
}

// Percentiles are elements of the series, at n * p rounded down (at least the first), and the
// median is the one of the Monte Carlo statistics for every count.
TEST(IntakeSummary, PercentilesAreElementsAndTheMedianIsTheStatisticsOne) {
    struct Case {
        int n;
        double p5, median, p95;
    };
    const std::vector<Case> cases = {
        {1, 1, 1, 1}, {4, 1, 2, 3}, {10, 1, 5, 9}, {11, 1, 5, 10}, {1000, 50, 500, 950},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        const std::vector<double> intakes = oneTo(c.n);
        const IntakeSummary summary = summariseIntakes(intakes);
        EXPECT_EQ(summary.p5, c.p5);
        EXPECT_EQ(summary.median, c.median);
        EXPECT_EQ(summary.p95, c.p95);
        EXPECT_EQ(summary.minimum, 1);
        EXPECT_EQ(summary.maximum, c.n);
        if (c.n > 1) {
            const std::vector<float> series(intakes.begin(), intakes.end());
            EXPECT_EQ(computeStatistics(series).median, static_cast<float>(summary.median));
        }
    }
}

} // namespace
} // namespace torval
