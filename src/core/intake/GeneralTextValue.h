#pragma once
// The number a value carries after a trip through its general text (at most 15 significant
// digits) and back: what a generated Monte Carlo value becomes on its way into an evaluation.
// The calculation needs it for every referenced field of every iteration, so it is computed
// without writing and reading the text wherever that can be done exactly.

namespace torval {

// Always equal to toDouble(generalText(value)), and raising what that raises: 13 for an
// infinity or a NaN (their texts are not numbers), 6 when the rounded text lies beyond a double.
double generalTextValue(double value);

} // namespace torval
