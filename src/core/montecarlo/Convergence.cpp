#include "montecarlo/Convergence.h"

#include "montecarlo/IntakeSummary.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <queue>

namespace torval {

namespace {

// The k-th smallest of the values seen so far: the k smallest in a max-heap, the rest in a
// min-heap, every value of the first no greater than any of the second. Each added value costs
// a logarithm, not a sort.
class RunningOrderStatistic {
public:
    double add(double value, std::size_t k) {
        if (!lower_.empty() && value < lower_.top()) {
            lower_.push(value);
        } else {
            upper_.push(value);
        }
        while (lower_.size() > k) {
            upper_.push(lower_.top());
            lower_.pop();
        }
        while (lower_.size() < k && !upper_.empty()) {
            lower_.push(upper_.top());
            upper_.pop();
        }
        return lower_.top();
    }

private:
    std::priority_queue<double> lower_;
    std::priority_queue<double, std::vector<double>, std::greater<>> upper_;
};

std::optional<double> relativeChange(const std::vector<double>& running) {
    const std::size_t n = running.size();
    if (n < 2 || running.back() == 0) {
        return std::nullopt;
    }
    const std::size_t lastTenth = std::max<std::size_t>(1, n / 10);
    const double before = running[n - lastTenth - 1];
    return std::fabs(running.back() - before) / std::fabs(running.back());
}

} // namespace

ConvergenceFigures convergenceOf(std::span<const double> intakes) {
    ConvergenceFigures figures;
    figures.runningMean.reserve(intakes.size());
    figures.runningP95.reserve(intakes.size());
    RunningOrderStatistic p95;
    double sum = 0;
    for (std::size_t k = 1; k <= intakes.size(); ++k) {
        const double intake = intakes[k - 1];
        sum += intake;
        figures.runningMean.push_back(sum / static_cast<double>(k));
        figures.runningP95.push_back(p95.add(intake, quantilePosition(k, 0.95)));
    }
    figures.meanRelativeChange = relativeChange(figures.runningMean);
    figures.p95RelativeChange = relativeChange(figures.runningP95);
    return figures;
}

} // namespace torval
