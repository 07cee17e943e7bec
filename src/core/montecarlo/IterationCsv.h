#pragma once
// The iterations of a calculation as comma-separated values, for a spreadsheet: a header row,
// then one row per iteration with its number, the value of every varied input and the intake.
// A regular calculation gives its single result as iteration 1.

#include "AppState.h"
#include "intake/VariedInputs.h"

#include <span>
#include <string>
#include <vector>

namespace torval {

// The header is "Iteration", the inputs' labels, then "Intake". Numbers are in the general
// text form (the decimal point is "." whatever the locale); a value that is not a number is an
// empty field; a field holding a comma, a double quote or a line break is quoted, its quotes
// doubled. Rows end in "\n". Every input holds one value per intake.
std::string IterationCsv(const std::vector<VariedInput>& inputs, std::span<const double> intakes);

// The last calculation of `state` written to `path` through a temporary file beside it, so an
// earlier file of that name survives a failed write. Raises what the writing raises.
void WriteIterationCsv(const AppState& state, const std::string& path);

} // namespace torval
