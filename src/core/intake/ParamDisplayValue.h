#pragma once
// The text shown, written to the results file or kept in an entry for a parameter or
// concentration value. A Monte Carlo reference written by the Monte Carlo assignment carries
// its display part between its first "|" and its first ":" (the variant's mean), after a long
// run of blanks and the word that marks it; only that part is meant for the eye.

#include <string>
#include <string_view>

namespace torval {

// When the text holds a capital "M" and a non-empty part lies between its first "|" (or the
// start, when there is none) and its first ":", that part; otherwise the text unchanged.
std::string ParamDisplayValue(std::string_view text);

} // namespace torval
