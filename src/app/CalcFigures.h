#pragma once
// What `torval-cli calc` adds beyond the intake: which varied input drives it (sensitivity),
// whether the iterations were enough (convergence) and, when the analyst gives a slope factor
// or a reference dose, the risk and the hazard quotient. Each is computed by the core; here
// they become JSON members and summary lines.

#include "AppState.h"
#include "shell/ChemicalRiskValues.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

namespace torval::cli {

// "sensitivity" (a list, empty with fewer than two varied inputs) and "convergence", for a
// Monte Carlo result.
void addMonteCarloFigures(nlohmann::json& result, const AppState& state,
                          const std::vector<double>& intakes);

// "risk", when a factor is given; `monteCarlo` picks the distribution form over plain numbers.
void addRiskFigures(nlohmann::json& result, const std::vector<double>& intakes, bool monteCarlo,
                    const RiskFactors& factors);

// The summary lines of the risk, when a factor is given.
void printRiskFigures(std::ostream& out, const std::vector<double>& intakes, bool monteCarlo,
                      const RiskFactors& factors);

} // namespace torval::cli
