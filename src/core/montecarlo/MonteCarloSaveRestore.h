#pragma once
// The working Monte Carlo tables (what the Monte Carlo window edits and generates) and their
// saved copies (what the analysis window, the calculation and the risk data file read) are
// copied into each other: counts, both tables and the generated values, every chemical, each
// copy re-dimensioned to its counts (0..rows, 0..terms, 0..MCChemicalCount).
// The saved copy of MonteCarloCount is ResultCount.

#include "AppState.h"

#include <string_view>

namespace torval {

// The caller tag of the analysis window: only a caller with this tag saves or restores.
inline constexpr std::string_view AnalysisCallerTag = "RiskAnalysis";

// false saves the working tables into the saved copies; true restores them, after which a
// MonteCarloCount of 0 becomes 1.
void SaveRestoreMonteCarloTables(AppState& state, bool restore);

// The thin entry points: they save or restore only for the analysis window's tag.
void SaveMonteCarloTables(AppState& state, std::string_view callerTag);
void RestoreMonteCarloTables(AppState& state, std::string_view callerTag);

} // namespace torval
