#include "concentration/GridMax.h"

#include "core/concentration/GridFixtures.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

using testing::gridOf;
using testing::Index;
using testing::valuesOf;

double gridMax(const std::vector<Index>& counts, const ConcentrationGrid& grid) {
    switch (counts.size()) {
    case 1:
        return GridMax1D(counts[0], grid);
    case 2:
        return GridMax2D(counts[0], counts[1], grid);
    case 3:
        return GridMax3D(counts[0], counts[1], counts[2], grid);
    default:
        return GridMax4D(counts[0], counts[1], counts[2], counts[3], grid);
    }
}

// Every grid is sized from 0 with a huge value in its index-0 cells, which must never win.
TEST(GridMax, LargestCellOverTheCountedCells) {
    struct Case {
        const char* name;
        std::vector<Index> uppers;
        std::vector<double> cells;
        std::vector<Index> counts;
        double expected;
        int code;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"one cell", {1}, {-3.5}, {1}, -3.5, 0},
        {"negative cells", {3}, {-5, -2, -9}, {3}, -2, 0},
        {"cells all -1E21", {2, 2}, {-1E21, -1E21, -1E21, -1E21}, {2, 2}, -1E20, 0},
        {"cells all exactly -1E20", {2}, {-1E20, -1E20}, {2}, -1E20, 0},
        {"count of 0", {2, 2}, {4, 5, 6, 7}, {2, 0}, -1E20, 0},
        {"counts below the bounds", {2, 3}, {1, 2, 30, 4, 50, 60}, {2, 2}, 50, 0},
        {"maximum in the last cell", {2, 1, 2}, {1, 2, 3, 4}, {2, 1, 2}, 4, 0},
        {"air grid with one time point", {2, 1, 2, 1}, {0.25, 0.75, 0.5, 0.125}, {2, 1, 2, 1}, 0.75, 0},
        {"4-D over part of the time axis", {1, 1, 2, 2}, {1, 90, 2, 3}, {1, 1, 2, 1}, 2, 0},
        {"count beyond the grid", {2}, {1, 2}, {3}, 0, ErrorCode::SubscriptOutOfRange},
        {"grid of another rank", {2, 2}, {1, 2, 3, 4}, {2}, 0, ErrorCode::SubscriptOutOfRange},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ConcentrationGrid grid = gridOf(c.uppers, c.cells);
        double maximum = 0.0;
        EXPECT_EQ(codeOf([&] { maximum = gridMax(c.counts, grid); }), c.code);
        if (c.code == 0) {
            EXPECT_EQ(maximum, c.expected);
        }
    }
}

// -0 and +0 compare equal, so the sign of the result shows which cell was kept: the first.
TEST(GridMax, LaterEqualValueDoesNotReplaceTheEarlierOne) {
    EXPECT_TRUE(std::signbit(GridMax1D(2, gridOf({2}, {-0.0, 0.0}))));
    EXPECT_FALSE(std::signbit(GridMax1D(2, gridOf({2}, {0.0, -0.0}))));
    EXPECT_TRUE(std::signbit(GridMax1D(2, valuesOf({-0.0, 0.0}))));
}

} // namespace
} // namespace torval
