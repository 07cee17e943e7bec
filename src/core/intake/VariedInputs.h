#pragma once
// The inputs a Monte Carlo calculation varied, with the value each took in every evaluation.
// The calculation itself keeps only the intakes; the inputs are found again afterwards by
// resolving the same plan over the same evaluations, which gives exactly the numbers the
// equations read and costs the calculation nothing.

#include "AppState.h"

#include <string>
#include <vector>

namespace torval {

struct VariedInput {
    std::string label;          // "Specified Concentration", "Ingestion Rate (Ri)", ...
    std::vector<double> values; // evaluations 1..ResultCount-1; nan where a value failed
};

// Every varied input of the last calculation of state.riskInput, the concentration first, then
// the parameters in the order of the pathway's set; none after a regular calculation. Two
// inputs referring to the same variant are listed each under its own label.
std::vector<VariedInput> VariedInputValues(const AppState& state);

// Whether a calculation ran to its end and its results are the ones shown (the analysis is
// calculated or saved, and no unfinished calculation replaced them).
bool calculationShown(const AppState& state);

// The intakes of the last calculation: IntakeResults 1..ResultCount-1, in evaluation order.
std::vector<double> CalculatedIntakes(const AppState& state);

} // namespace torval
