#pragma once
// The running mean and running 95th percentile of a Monte Carlo calculation's intakes against
// the iteration number, as the viewer draws them, and how much each still moved over the last
// tenth of the iterations.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace torval::charton {

struct ConvergenceCurves {
    std::vector<double> iterations; // 1-based iteration numbers, ascending, first and last in
    std::vector<double> mean;       // the running mean after each of those iterations
    std::vector<double> p95;        // the running P95 after each of them
    std::optional<double> meanRelativeChange; // over the last tenth; see convergenceOf
    std::optional<double> p95RelativeChange;
};

// A line of more points than a chart is wide shows nothing more, so the curves keep at most
// `maxPoints` iterations (at least 2), evenly spread; the figures are those of every iteration.
inline constexpr std::size_t ConvergencePoints = 2000;
ConvergenceCurves convergenceCurves(std::span<const double> intakes,
                                    std::size_t maxPoints = ConvergencePoints);

// A relative change as a percentage of three significant digits ("0.132 %"), or "n/a" where it
// is not defined (fewer than two intakes, a final figure of 0).
std::string relativeChangeText(const std::optional<double>& change);

} // namespace torval::charton
