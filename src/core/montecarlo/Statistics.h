#pragma once
// Descriptive statistics of one generated series, with 32-bit intermediate results so that a
// series gives the same figures wherever it is summarised.

#include <cstdint>
#include <span>
#include <string>

namespace torval {

struct SeriesStatistics {
    float maximum = 0;
    float minimum = 0;
    float median = 0; // the element at position n / 2 (rounded down) of the sorted series
    float arithmeticMean = 0;
    float geometricMean = 0;
    float variance = 0; // sample variance, n - 1 in the denominator
    float standardDeviation = 0;
};

// `series` holds the n values (element 1..n of the generated series). A negative value is the
// invalid-argument failure (5); n = 1 divides 0 by 0 (11).
SeriesStatistics computeStatistics(std::span<const float> series);

// True when computeStatistics cannot fail on `series`: at least two values, every one finite and
// between 0 and a bound low enough that no sum, product or squared deviation of n of them leaves
// the float range. A false answer says only that the series is not known to be safe.
bool statisticsCannotFail(std::span<const float> series);

// A statistic as the statistics table holds it: the float's text with the seven significant
// digits a float carries (so that 0.1F reads "0.1", not "0.100000001490116"), through
// FormatNumber.
std::string FormatStatistic(float value);

} // namespace torval
