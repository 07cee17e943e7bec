#include "montecarlo/Sensitivity.h"

#include "shell/RunTimeError.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace torval {

// The values sorted beside their positions (a direct sort of the pairs beats an indirect sort
// of positions). The order among equal values does not matter, as they share one rank.
std::vector<double> averageRanks(std::span<const double> values) {
    std::vector<std::pair<double, std::size_t>> sorted(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        sorted[i] = {values[i], i};
    }
    std::sort(sorted.begin(), sorted.end());
    std::vector<double> ranks(values.size());
    for (std::size_t first = 0; first < sorted.size();) {
        std::size_t last = first;
        while (last + 1 < sorted.size() && sorted[last + 1].first == sorted[first].first) {
            ++last;
        }
        // Positions first..last (from 0) are ranks first+1..last+1; their mean:
        const double shared = static_cast<double>(first + last) / 2.0 + 1.0;
        for (std::size_t k = first; k <= last; ++k) {
            ranks[sorted[k].second] = shared;
        }
        first = last + 1;
    }
    return ranks;
}

namespace {

double pearson(const std::vector<double>& x, const std::vector<double>& y) {
    const auto n = static_cast<double>(x.size());
    const double meanX = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double meanY = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double products = 0;
    double squaresX = 0;
    double squaresY = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        products += (x[i] - meanX) * (y[i] - meanY);
        squaresX += (x[i] - meanX) * (x[i] - meanX);
        squaresY += (y[i] - meanY) * (y[i] - meanY);
    }
    if (squaresX == 0 || squaresY == 0) {
        return 0;
    }
    return products / std::sqrt(squaresX * squaresY);
}

bool allNumbers(std::span<const double> values) {
    return std::none_of(values.begin(), values.end(), [](double v) { return std::isnan(v); });
}

} // namespace

double rankCorrelation(std::span<const double> x, std::span<const double> y) {
    if (x.size() != y.size() || x.empty()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return pearson(averageRanks(x), averageRanks(y));
}

std::vector<SensitivityEntry> SensitivityAnalysis(const std::vector<VariedInput>& inputs,
                                                  std::span<const double> intakes) {
    std::vector<SensitivityEntry> entries;
    double sumOfSquares = 0;
    const bool intakesUsable = !intakes.empty() && allNumbers(intakes);
    // The intakes are ranked once for every input.
    const std::vector<double> intakeRanks =
        intakesUsable ? averageRanks(intakes) : std::vector<double>();
    for (const VariedInput& input : inputs) {
        if (input.values.size() != intakes.size()) {
            throw RunTimeError(ErrorCode::SubscriptOutOfRange);
        }
        const bool usable = intakesUsable && allNumbers(input.values);
        const double r = usable ? pearson(averageRanks(input.values), intakeRanks) : 0.0;
        entries.push_back({input.label, r, 0.0});
        sumOfSquares += r * r;
    }
    for (SensitivityEntry& entry : entries) {
        entry.contribution =
            sumOfSquares > 0 ? entry.rankCorrelation * entry.rankCorrelation / sumOfSquares : 0;
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return std::fabs(a.rankCorrelation) > std::fabs(b.rankCorrelation);
    });
    return entries;
}

} // namespace torval
