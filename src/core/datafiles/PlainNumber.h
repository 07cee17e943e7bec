#pragma once
// The one-pass conversion of the plain decimal numbers that fill the grids of data files and
// saved analyses ("12.5", "-3.1E-05", ".5"). Anything else, a sign "+", "inf", or a number
// beyond a double, is left to the readers' general rules, which report it with their own codes.

#include <cmath>
#include <fast_float/fast_float.h>
#include <system_error>

namespace torval {

// Where the plain number starting at `first` ends, with its value; nullptr when the text there
// is not one (nothing is then taken).
inline const char* takePlainNumber(const char* first, const char* last, double& value) {
    const char* digits = first < last && *first == '-' ? first + 1 : first;
    if (digits == last || !((*digits >= '0' && *digits <= '9') || *digits == '.')) {
        return nullptr;
    }
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return nullptr;
    }
    return result.ptr;
}

} // namespace torval
