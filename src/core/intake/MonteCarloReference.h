#pragma once
// A concentration or parameter field may hold a Monte Carlo reference instead of a number: a
// text written by the Monte Carlo assignment that contains "Monte" and names a variant by the
// number after its first ":". The calculation and the analysis window recognise references by
// these two rules alone, whatever else the text says.

#include <cstdint>
#include <string_view>

namespace torval {

// Case-sensitive: "monte" is not a reference.
bool isMonteCarloReference(std::string_view text) noexcept;

// The leading number of the text after the first ":", rounded to the nearest integer (halves
// to even); 0 when there is no ":" or no number after it. Raises 6 beyond -32768..32767.
std::int16_t variantNumberOf(std::string_view text);

} // namespace torval
