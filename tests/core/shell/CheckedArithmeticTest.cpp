#include "shell/CheckedArithmetic.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace torval {
namespace {

TEST(CheckedArithmetic, TurnsInfinityNanAndZeroDivisorsIntoRunTimeCodes) {
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        bool divide;
        double left;
        double right;
        int code; // 0: the result is `expected`
        double expected;
    };
    const std::vector<Case> cases = {
        {"plain product", false, 2.5, 4.0, 0, 10.0},
        {"product beyond a double", false, 1e308, 10.0, ErrorCode::Overflow, 0},
        {"negative product beyond a double", false, -1e308, 10.0, ErrorCode::Overflow, 0},
        {"infinity times zero", false, Infinity, 0.0, ErrorCode::IllegalFunctionCall, 0},
        {"product too small for a double", false, 1e-300, 1e-300, 0, 0.0},
        {"plain quotient", true, 1.0, 8.0, 0, 0.125},
        {"zero divisor", true, 5.0, 0.0, ErrorCode::DivisionByZero, 0},
        {"negative zero divisor", true, 5.0, -0.0, ErrorCode::DivisionByZero, 0},
        {"zero by zero", true, 0.0, 0.0, ErrorCode::DivisionByZero, 0},
        {"quotient beyond a double", true, 1e300, 1e-10, ErrorCode::Overflow, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            const double result =
                c.divide ? checkedDivide(c.left, c.right) : checkedMultiply(c.left, c.right);
            EXPECT_EQ(c.code, 0) << "no failure, result " << result;
            EXPECT_EQ(result, c.expected);
        } catch (const RunTimeError& failure) {
            EXPECT_EQ(failure.code(), c.code);
        }
    }
}

} // namespace
} // namespace torval
