#pragma once
// Whole-table operations on the variant and statistics tables of the current chemical
// (MCCurrentChemical), shared by the Monte Carlo window, the generation and the outputs.

#include "AppState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace torval {

// The names and current values of the parameters the Monte Carlo window offers: the selected
// concentration entry, then each visible parameter entry of the analysis window, then
// "--REMOVE--" in both lists. Names are the entries' labels trimmed; values their texts
// through FormatNumber.
struct ParameterList {
    std::vector<std::string> names;
    std::vector<std::string> values;
};

// Opening the window with empty tables: both row counts become `rowCount`, MCChemicalCount is
// raised to 1, both tables are sized (0..rowCount, 0..MCChemicalCount), and for the current
// chemical every variant row is out of use and every statistics row has Marker "Nothing".
void InitialiseMonteCarloTables(AppState& state, std::int16_t rowCount);

// Empties variant row `row` and its statistics row of the current chemical (Marker included).
void ClearTGData(AppState& state, int row);

// The first non-empty Terms of the current chemical's variant rows; "" when there is none.
std::string FirstTerms(const AppState& state);

} // namespace torval
