#include "datafiles/RangeTexts.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

TEST(ParseRangeText, ReadsFieldsAndCountsPoints) {
    struct Case {
        std::string text;
        RangeText expected;
        int code;
    };
    const std::vector<Case> cases = {
        {"10", {10, 10, 0, 10, 1}, 0},
        {"  7.5  ", {7.5, 7.5, 0, 7.5, 1}, 0},
        {"abc", {0, 0, 0, 0, 1}, 0},
        {"0:10:0", {0, 10, 0, 10, 1}, 0},
        {"0:10:4", {0, 10, 4, 10, 4}, 0}, // 3.5 rounds to the even 4
        {"0:3:2", {0, 3, 2, 3, 2}, 0},    // 2.5 rounds to the even 2
        {"0:10:3", {0, 10, 3, 10, 4}, 0}, // 4.33..
        {"100:0:-25", {100, 0, -25, 0, 5}, 0},
        {"10:0:5", {10, 0, 5, 0, -1}, 0},
        {" 1 : 2 : 0.25 ", {1, 2, 0.25, 2, 5}, 0},
        {"0:10:2:7", {0, 10, 2, 7, 6}, 0},
        {"0:10:2:7:9", {0, 10, 2, 7, 6}, 0},
        {"1e1:2e1:5", {10, 20, 5, 20, 3}, 0},
        {"::", {0, 0, 0, 0, 1}, 0},
        {"0:10", {}, ErrorCode::IllegalFunctionCall},
        {":", {}, ErrorCode::IllegalFunctionCall},
        {"0:32766:1", {0, 32766, 1, 32766, 32767}, 0},
        {"0:32767:1", {}, ErrorCode::Overflow},
        {"0:1:-0.00001", {}, ErrorCode::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        RangeText range;
        EXPECT_EQ(codeOf([&] { range = ParseRangeText(c.text); }), c.code);
        if (c.code == 0) {
            EXPECT_EQ(range.from, c.expected.from);
            EXPECT_EQ(range.to, c.expected.to);
            EXPECT_EQ(range.step, c.expected.step);
            EXPECT_EQ(range.value, c.expected.value);
            EXPECT_EQ(range.count, c.expected.count);
        }
    }
}

TEST(ParseIntervalText, ReadsFromAndTo) {
    struct Case {
        std::string text;
        IntervalText expected;
    };
    const std::vector<Case> cases = {
        {"2:8", {2, 8}}, {" 8 : 2 ", {8, 2}},   {"5", {5, 5}},
        {"", {0, 0}},    {"1e2:abc", {100, 0}}, {"-3:-1", {-3, -1}},
        {":4", {0, 4}},  {"1:2:3", {1, 2}},     {"x:", {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(ParseIntervalText(c.text), c.expected);
    }
}

} // namespace
} // namespace torval
