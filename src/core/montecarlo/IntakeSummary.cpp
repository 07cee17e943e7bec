#include "montecarlo/IntakeSummary.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace torval {

std::size_t quantilePosition(std::size_t n, double p) {
    const auto position = static_cast<std::size_t>(std::floor(static_cast<double>(n) * p));
    return std::clamp<std::size_t>(position, 1, std::max<std::size_t>(n, 1));
}

IntakeSummary summariseIntakes(std::span<const double> intakes) {
    std::vector<double> sorted(intakes.begin(), intakes.end());
    std::sort(sorted.begin(), sorted.end());
    const auto element = [&](double p) { return sorted[quantilePosition(sorted.size(), p) - 1]; };
    IntakeSummary summary;
    summary.n = static_cast<long>(sorted.size());
    summary.minimum = sorted.front();
    summary.maximum = sorted.back();
    summary.p5 = element(0.05);
    summary.median = element(0.5);
    summary.p95 = element(0.95);
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

} // namespace torval
