#include "Statistics.h"

#include "montecarlo/IntakeSummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace torval::charton {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

double geometricMean(std::span<const double> values) {
    double logs = 0;
    for (const double value : values) {
        if (!(value > 0)) {
            return NaN;
        }
        logs += std::log(value);
    }
    return std::exp(logs / static_cast<double>(values.size()));
}

std::size_t sturges(std::size_t n) {
    return static_cast<std::size_t>(std::ceil(std::log2(static_cast<double>(n)))) + 1;
}

} // namespace

double percentileOfSorted(std::span<const double> sorted, double fraction) {
    const double position = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = position - static_cast<double>(below);
    return sorted[below] + weight * (sorted[above] - sorted[below]);
}

Summary summarise(std::span<const double> values) {
    Summary summary;
    if (values.empty()) {
        summary = {0, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN};
        return summary;
    }
    // The program's own summary, so that the viewer shows the figures torval-cli prints.
    const IntakeSummary program = summariseIntakes(values);
    summary.n = values.size();
    summary.minimum = program.minimum;
    summary.p5 = program.p5;
    summary.median = program.median;
    summary.mean = program.mean;
    summary.geometricMean = geometricMean(values);
    summary.p95 = program.p95;
    summary.maximum = program.maximum;
    summary.standardDeviation = program.standardDeviation;
    return summary;
}

double fractionAbove(std::span<const double> values, double threshold) {
    if (values.empty()) {
        return 0;
    }
    const auto above = std::count_if(values.begin(), values.end(),
                                     [threshold](double value) { return value > threshold; });
    return static_cast<double>(above) / static_cast<double>(values.size());
}

std::size_t freedmanDiaconisBins(std::span<const double> values) {
    if (values.empty()) {
        return 0;
    }
    std::vector<double> sorted(values.begin(), values.end());
    std::sort(sorted.begin(), sorted.end());
    const double range = sorted.back() - sorted.front();
    if (!(range > 0)) {
        return 1;
    }
    const double spread = percentileOfSorted(sorted, 0.75) - percentileOfSorted(sorted, 0.25);
    const double width = 2 * spread / std::cbrt(static_cast<double>(sorted.size()));
    const double bins =
        width > 0 ? std::ceil(range / width) : static_cast<double>(sturges(sorted.size()));
    return static_cast<std::size_t>(std::clamp(bins, 1.0, static_cast<double>(MaximumBins)));
}

Histogram histogram(std::span<const double> values, std::size_t bins, bool logScale) {
    std::vector<double> points;
    points.reserve(values.size());
    for (const double value : values) {
        if (!logScale) {
            points.push_back(value);
        } else if (value > 0) {
            points.push_back(std::log10(value));
        }
    }
    Histogram result;
    if (points.empty() || bins == 0) {
        return result;
    }
    const auto [low, high] = std::minmax_element(points.begin(), points.end());
    const double first = *low;
    const double width = (*high - *low) / static_cast<double>(bins);
    result.counts.assign(bins, 0);
    for (const double point : points) {
        const double position = width > 0 ? (point - first) / width : 0;
        const auto bin = std::min(static_cast<std::size_t>(position), bins - 1);
        ++result.counts[bin];
    }
    for (std::size_t i = 0; i <= bins; ++i) {
        const double edge = i == bins ? *high : first + width * static_cast<double>(i);
        result.edges.push_back(logScale ? std::pow(10.0, edge) : edge);
    }
    return result;
}

} // namespace torval::charton
