#pragma once
// One evaluation of the intake, in mg/(kg-day), for the current pathway: first a working copy
// of the input is made in which Monte Carlo references are replaced by the numbers of this
// evaluation, then the pathway's equation is applied to it. The calculation driver calls both
// once for a regular calculation and once per iteration for a Monte Carlo one, and traps the
// run-time errors they raise.

#include "AppState.h"
#include "intake/ResolvedEvaluation.h"
#include "intake/RiskInput.h"

#include <cstdint>

namespace torval {

// Copies ConcChoice and IntakeType, then resolves the selected concentration and the texts of
// the current pathway's set into `work`, in that order. Texts without a reference are copied
// unchanged; a reference becomes the general text of its number: for the concentration of a
// data file with its own Monte Carlo values (DataType 0) McIterationValues(evaluation),
// otherwise SavedSimulatedValues(variant, evaluation, 1).
//
// A reference outside the tables raises 9. The fields resolved before it are already in
// `work` and the later ones keep what the previous evaluation left there: the calculation
// goes on after a 9 with exactly that working copy.
void ResolveEvaluationInput(const AppState& state, const RiskInput& source, RiskInput& work,
                            std::int16_t evaluation);

// The pathway's equation on the resolved working copy; 0 for an IntakeType outside 0..8.
// Raises 13 for a text that is not a number (checked in a fixed order: concentration, the
// second parameter, the first, each further factor as it is multiplied, Tavg, Wb), 6 for an
// overflow, 11 for a zero Wb x Tavg and 5 for an invalid operation.
double ComputeIntake(const RiskInput& work);

// The same equation on a working copy held as numbers (see EvaluationPlan): the same result to
// the last bit and the same failure for the same input.
double ComputeIntake(const ResolvedEvaluation& work);

} // namespace torval
