#pragma once
// From intake to risk: the lifetime cancer risk (intake x slope factor) and the hazard quotient
// (intake / reference dose) of a result, for a regular result as single numbers and for a
// Monte Carlo result as the summary of their values over the iterations.

#include "shell/ChemicalRiskValues.h"

#include <optional>
#include <span>

namespace torval {

// The limits the fractions count iterations above.
inline constexpr double RiskLimit = 1e-6;
inline constexpr double HazardQuotientLimit = 1.0;

// One figure over the iterations; for a regular result all four are the single value and the
// fraction is 0 or 1.
struct RiskDistribution {
    double p5 = 0;
    double median = 0;
    double mean = 0;
    double p95 = 0;
    double fractionAboveLimit = 0; // of the iterations, strictly above the limit
};

struct RiskFigures {
    std::optional<RiskDistribution> cancerRisk;     // with a slope factor
    std::optional<RiskDistribution> hazardQuotient; // with a reference dose
};

// `intakes` in mg/(kg-day), one per iteration (a single one for a regular result), not empty.
// Raises 11 (division by zero) for a reference dose of 0.
RiskFigures riskFiguresOf(std::span<const double> intakes, const RiskFactors& factors);

} // namespace torval
