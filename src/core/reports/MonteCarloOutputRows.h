#pragma once
// Which variants the Monte Carlo window's outputs (its results file and its printed report)
// show: those of the current chemical that are in use and have statistics.

#include "AppState.h"

#include <vector>

namespace torval {

// The rows r = 1..MCInputRowCount, in increasing order, whose variant at MCCurrentChemical is
// in use and whose statistics row is selected. A row beyond MCResultRowCount has no statistics
// row and does not count.
std::vector<int> countedMonteCarloRows(const AppState& state);

} // namespace torval
