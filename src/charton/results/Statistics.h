#pragma once
// The figures the viewer shows for a series of values, and its histogram bins.

#include <cstddef>
#include <span>
#include <vector>

namespace torval::charton {

struct Summary {
    std::size_t n = 0;
    double minimum = 0;
    double p5 = 0;
    double median = 0;
    double mean = 0;
    double geometricMean = 0; // nan when a value is 0 or negative
    double p95 = 0;
    double maximum = 0;
    double standardDeviation = 0; // sample (n - 1); 0 for a single value
};

// The figures of the program's Monte Carlo summary (summariseIntakes), the ones torval-cli
// prints: P5, median and P95 are elements of the sorted values, the p-th at position n p
// rounded down, counted from 1. An empty series gives n = 0 and nan for every figure.
Summary summarise(std::span<const double> values);

// The p-th percentile (p in [0, 1]) of values already sorted ascending, interpolating linearly
// at position p (n - 1) counted from 0; the quartiles of the bin width. Not empty.
double percentileOfSorted(std::span<const double> sorted, double fraction);

// The share of the values strictly above the threshold; 0 for an empty series.
double fractionAbove(std::span<const double> values, double threshold);

// The number of bins of the Freedman-Diaconis rule: width 2 IQR / cbrt(n) over the range.
// With no spread between the quartiles, Sturges' ceil(log2 n) + 1 instead; 1 when all values are
// equal; never more than MaximumBins.
inline constexpr std::size_t MaximumBins = 500;
std::size_t freedmanDiaconisBins(std::span<const double> values);

struct Histogram {
    std::vector<double> edges;       // bins + 1 ascending edges
    std::vector<std::size_t> counts; // bins counts; a value on an inner edge falls to the right
};

// `bins` equal bins from the minimum to the maximum; with logScale, equal in log10 over the
// positive values only (the others are left out). A series with nothing to bin gives no bins.
Histogram histogram(std::span<const double> values, std::size_t bins, bool logScale);

} // namespace torval::charton
