#pragma once
// Arithmetic steps whose results are checked at once, so that a calculation stops with the
// program's own failure codes instead of carrying an infinity or a NaN into its results:
// an infinite result is an overflow (6), a NaN an invalid operation (5), and a zero divisor a
// division by zero (11). 0/0 counts as a division by zero too, because what the user must fix
// is the zero in the divisor. A result too small for a double quietly becomes 0.

#include "shell/RunTimeError.h"

#include <cmath>

namespace torval {

inline double checkedResult(double value) {
    if (std::isinf(value)) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    if (std::isnan(value)) {
        throw RunTimeError(ErrorCode::IllegalFunctionCall);
    }
    return value;
}

inline double checkedMultiply(double left, double right) {
    return checkedResult(left * right);
}

inline double checkedDivide(double dividend, double divisor) {
    if (divisor == 0.0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    return checkedResult(dividend / divisor);
}

} // namespace torval
