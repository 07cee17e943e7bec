#pragma once
// The Monte Carlo window's content of the results file torval.plt: for each counted variant of
// the current chemical (MonteCarloOutputRows.h) its input data, its statistics and its
// simulated values, for the plotting utility or the text editor.
//
// Counts and simulated values are written in the standard number form: the general form of
// the number with one blank before a non-negative number and no blank after it
// ("Total variants:  2", " 0.5", "-1.25E-07").

#include "AppState.h"

#include <string>
#include <vector>

namespace torval {

// The file's content for the given counted rows, CR LF lines. Each variant writes its Terms
// values (its last generated value is not written). Raises 13 (or 6) when a written row's
// Terms is not a 16-bit number, 9 when it asks for more values than were generated.
std::string WriteMonteCarloFile(const AppState& state, const std::vector<int>& countedRows);

} // namespace torval
