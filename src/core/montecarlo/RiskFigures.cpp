#include "montecarlo/RiskFigures.h"

#include "montecarlo/IntakeSummary.h"
#include "shell/RunTimeError.h"

#include <algorithm>
#include <vector>

namespace torval {

namespace {

// The same order statistics as the intakes' summary, so a risk's P95 is the P95 intake's risk.
RiskDistribution distributionOf(const std::vector<double>& values, double limit) {
    const IntakeSummary summary = summariseIntakes(values);
    const auto above = std::count_if(values.begin(), values.end(),
                                     [limit](double value) { return value > limit; });
    return {summary.p5, summary.median, summary.mean, summary.p95,
            static_cast<double>(above) / static_cast<double>(values.size())};
}

template <typename Transform>
std::vector<double> transformed(std::span<const double> intakes, Transform&& transform) {
    std::vector<double> values(intakes.size());
    std::transform(intakes.begin(), intakes.end(), values.begin(), transform);
    return values;
}

} // namespace

RiskFigures riskFiguresOf(std::span<const double> intakes, const RiskFactors& factors) {
    if (intakes.empty()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    RiskFigures figures;
    if (factors.slopeFactor) {
        const double slope = *factors.slopeFactor;
        figures.cancerRisk = distributionOf(
            transformed(intakes, [slope](double intake) { return intake * slope; }), RiskLimit);
    }
    if (factors.referenceDose) {
        const double dose = *factors.referenceDose;
        if (dose == 0) {
            throw RunTimeError(ErrorCode::DivisionByZero);
        }
        figures.hazardQuotient =
            distributionOf(transformed(intakes, [dose](double intake) { return intake / dose; }),
                           HazardQuotientLimit);
    }
    return figures;
}

} // namespace torval
