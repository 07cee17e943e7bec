#pragma once
// The checks of numeric entry fields that the analysis and Monte Carlo windows run before they
// accept a value. Each returns true when the field FAILS, after telling the user which field and
// why; the field name is the label the user sees next to the entry.
//
// IsZero and IsNegative judge the leading number of the text (0 when there is none), so they
// are meant to run after the empty and numeric checks; on their own "abc" counts as zero. A text
// whose number is beyond a double makes them raise 6, like every other conversion.

#include "shell/Prompter.h"

#include <string_view>

namespace torval {

bool IsEmptyField(Prompter& prompter, std::string_view text, std::string_view fieldName);
bool IsNotNumeric(Prompter& prompter, std::string_view text, std::string_view fieldName);
bool IsZero(Prompter& prompter, std::string_view text, std::string_view fieldName);
bool IsNegative(Prompter& prompter, std::string_view text, std::string_view fieldName);

// Runs the four checks in the order empty, numeric, zero, negative and stops at the first that
// fails, so the user sees at most one message per field.
bool failsFieldChecks(Prompter& prompter, std::string_view text, std::string_view fieldName);

} // namespace torval
