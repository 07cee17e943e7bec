#pragma once
// The figures by which a Monte Carlo calculation is summed up on the command line: order
// statistics and moments of the intakes of every iteration.

#include <span>

namespace torval::cli {

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

// Percentiles interpolate linearly between the order statistics: the p-th percentile of n
// sorted values lies at position p * (n - 1) counted from 0. `intakes` must not be empty.
IntakeSummary summariseIntakes(std::span<const double> intakes);

} // namespace torval::cli
