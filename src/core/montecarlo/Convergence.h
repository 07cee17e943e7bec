#pragma once
// Whether a Monte Carlo run had iterations enough: the mean and the 95th percentile of the
// intakes of the first k iterations, for every k, and how much each still moved over the last
// tenth of the run.

#include <optional>
#include <span>
#include <vector>

namespace torval {

struct ConvergenceFigures {
    std::vector<double> runningMean; // element k-1: mean of intakes 1..k
    std::vector<double> runningP95;  // element k-1: the 95th percentile of intakes 1..k, as
                                     // summariseIntakes takes it (element floor(0.95 k), >= 1)
    // |figure(n) - figure(m)| / |figure(n)|, where m = n - max(1, floor(n / 10)) is the count
    // before the last tenth; empty with fewer than two intakes or when figure(n) is 0.
    std::optional<double> meanRelativeChange;
    std::optional<double> p95RelativeChange;
};

// The intakes in the order the iterations ran.
ConvergenceFigures convergenceOf(std::span<const double> intakes);

} // namespace torval
