#pragma once
// What the user chose in the Monte Carlo window reaches the analysis: each entry named by a
// generated variant gets the chosen statistic, the variant's mean, or the reference that makes
// the calculation take the whole series.

#include "AppState.h"
#include "intake/AnalysisServices.h"

#include <string_view>
#include <vector>

namespace torval {

// Saves the working tables; for the analysis window's tag, sets ResultsOutdated to
// SimulationGenerated and rewrites the texts of `entries` (rows 10 to 12, then the visible
// rows 13 to 19) from the saved statistics table of chemical 1.
void ApplyMonteCarloSelection(AppState& state, std::vector<AnalysisEntry>& entries,
                              std::string_view callerTag);

} // namespace torval
