#include "ConvergenceCurves.h"

#include "montecarlo/Convergence.h"

#include <algorithm>
#include <charconv>

namespace torval::charton {

ConvergenceCurves convergenceCurves(std::span<const double> intakes, std::size_t maxPoints) {
    const ConvergenceFigures figures = convergenceOf(intakes);
    ConvergenceCurves curves;
    curves.meanRelativeChange = figures.meanRelativeChange;
    curves.p95RelativeChange = figures.p95RelativeChange;
    const std::size_t n = intakes.size();
    const std::size_t points = std::min(n, std::max<std::size_t>(2, maxPoints));
    std::size_t previous = n; // no index yet
    for (std::size_t i = 0; i < points; ++i) {
        // Evenly from the first iteration to the last, both included.
        const std::size_t index = points == 1 ? 0 : i * (n - 1) / (points - 1);
        if (index == previous) {
            continue;
        }
        previous = index;
        curves.iterations.push_back(static_cast<double>(index + 1));
        curves.mean.push_back(figures.runningMean[index]);
        curves.p95.push_back(figures.runningP95[index]);
    }
    return curves;
}

std::string relativeChangeText(const std::optional<double>& change) {
    if (!change) {
        return "n/a";
    }
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, *change * 100, std::chars_format::general, 3);
    return std::string(text, end.ptr) + " %";
}

} // namespace torval::charton
