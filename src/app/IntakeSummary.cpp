#include "IntakeSummary.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace torval::cli {

namespace {

double percentile(const std::vector<double>& sorted, double fraction) {
    const double position = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = position - static_cast<double>(below);
    return sorted[below] + weight * (sorted[above] - sorted[below]);
}

} // namespace

IntakeSummary summariseIntakes(std::span<const double> intakes) {
    std::vector<double> sorted(intakes.begin(), intakes.end());
    std::sort(sorted.begin(), sorted.end());
    IntakeSummary summary;
    summary.n = static_cast<long>(sorted.size());
    summary.minimum = sorted.front();
    summary.maximum = sorted.back();
    summary.p5 = percentile(sorted, 0.05);
    summary.median = percentile(sorted, 0.5);
    summary.p95 = percentile(sorted, 0.95);
    summary.mean =
        std::accumulate(sorted.begin(), sorted.end(), 0.0) / static_cast<double>(sorted.size());
    if (sorted.size() > 1) {
        double squares = 0;
        for (const double value : sorted) {
            squares += (value - summary.mean) * (value - summary.mean);
        }
        summary.standardDeviation = std::sqrt(squares / static_cast<double>(sorted.size() - 1));
    }
    return summary;
}

} // namespace torval::cli
