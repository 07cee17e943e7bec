#pragma once
// The figures by which a Monte Carlo calculation is summed up: order statistics and moments of
// the intakes of every iteration. The command line prints them and the plot viewer shows them,
// both from here, so the two never disagree.

#include <cstddef>
#include <span>

namespace torval {

struct IntakeSummary {
    long n = 0;
    double minimum = 0;
    double p5 = 0;
    double median = 0;
    double p95 = 0;
    double maximum = 0;
    double mean = 0;
    double standardDeviation = 0; // sample (n - 1); 0 for a single intake
};

// The position, counted from 1, of the p-th quantile of n sorted values: n * p rounded down,
// and at least 1. For p = 0.5 this is the median of the Monte Carlo statistics (element n / 2
// rounded down: the second of four values, the fifth of eleven), which is never a value
// between two elements.
std::size_t quantilePosition(std::size_t n, double p);

// `intakes` must not be empty.
IntakeSummary summariseIntakes(std::span<const double> intakes);

} // namespace torval
