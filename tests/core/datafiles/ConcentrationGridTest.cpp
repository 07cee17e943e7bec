#include "datafiles/ConcentrationGrid.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

using Index = ConcentrationGrid::Index;

// Cell (i, j, k, l) of a 0..2 x 0..3 x 0..1 x 0..2 grid holds 1000i + 100j + 10k + l, so every
// value names the indexes it was read from.
ConcentrationGrid numberedGrid() {
    ConcentrationGrid grid;
    grid.redim({0, 2}, {0, 3}, {0, 1}, {0, 2});
    for (int i = 0; i <= 2; ++i) {
        for (int j = 0; j <= 3; ++j) {
            for (int k = 0; k <= 1; ++k) {
                for (int l = 0; l <= 2; ++l) {
                    grid.at(i, j, k, l) = 1000 * i + 100 * j + 10 * k + l;
                }
            }
        }
    }
    return grid;
}

TEST(ConcentrationGrid, IndexingChecksTheRankAndEveryBound) {
    ConcentrationGrid line;
    line.redim({0, 3});
    ConcentrationGrid box;
    box.redim({0, 2}, {1, 2}, {0, 1}, {0, 0});
    const ConcentrationGrid unallocated;
    struct Case {
        const char* name;
        std::function<void()> access;
        int code;
    };
    const std::vector<Case> cases = {
        {"1-D inside", [&] { line.at(3); }, 0},
        {"1-D index 0", [&] { line.at(0); }, 0},
        {"1-D beyond", [&] { line.at(4); }, 9},
        {"1-D given two indexes", [&] { line.at(1, 1); }, 9},
        {"4-D inside", [&] { box.at(2, 2, 1, 0); }, 0},
        {"4-D below a lower bound", [&] { box.at(1, 0, 1, 0); }, 9},
        {"4-D given three indexes", [&] { box.at(1, 1, 1); }, 9},
        {"4-D fourth index beyond", [&] { box.at(1, 1, 1, 1); }, 9},
        {"unallocated", [&] { unallocated.at(1); }, 9},
        {"bounds of a missing dimension", [&] { line.upper(2); }, 9},
        {"a run up to the upper bound", [&] { box.runAlong(1, 3, 0, 1, 1, 0); }, 0},
        {"a run one past the upper bound", [&] { box.runAlong(1, 4, 0, 1, 1, 0); }, 9},
        {"a run from outside", [&] { box.runAlong(2, 1, 0, 0, 1, 0); }, 9},
        {"a run along a missing dimension", [&] { line.runAlong(2, 1, 1); }, 9},
        {"an empty run beyond", [&] { line.runAlong(1, 0, 9); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codeOf(c.access), c.code);
    }
}

TEST(ConcentrationGrid, FailedRedimKeepsTheGridAndItsRank) {
    ConcentrationGrid grid;
    grid.redim({1, 2}, {1, 2});
    grid.at(2, 2) = 7.5;
    EXPECT_EQ(codeOf([&] { grid.redim({1, 2}, {3, 1}, {1, 1}); }), 9);
    EXPECT_EQ(grid.rank(), 2u);
    EXPECT_EQ(grid.at(2, 2), 7.5);
    grid.erase();
    EXPECT_EQ(grid.rank(), 0u);
    EXPECT_EQ(codeOf([&] { grid.at(1, 1); }), 9);
}

TEST(ConcentrationGrid, VisitsTheSelectedCellsFirstIndexSlowest) {
    const ConcentrationGrid grid = numberedGrid();
    struct Case {
        const char* name;
        ConcentrationGrid::CellSelection selection;
        std::vector<double> visited;
        int code;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"whole from index 1",
         {{1, 2}, {1, 2, 3}, {1}, {1, 2}},
         {1111, 1112, 1211, 1212, 1311, 1312, 2111, 2112, 2211, 2212, 2311, 2312},
         0},
        {"picked indexes in the given order", {{2, 1}, {3}, {0, 1}, {2}}, {2302, 2312, 1302, 1312}, 0},
        {"last indexes out of storage order", {{1}, {2}, {1}, {2, 0}}, {1212, 1210}, 0},
        {"last indexes with a gap", {{2}, {1}, {0, 1}, {0, 2}}, {2100, 2102, 2110, 2112}, 0},
        {"an empty list visits nothing", {{1, 2}, {}, {1}, {1}}, {}, 0},
        {"index beyond a bound", {{1}, {4}, {1}, {1}}, {}, 9},
        {"index below a bound", {{1}, {1}, {1}, {-1}}, {}, 9},
        {"three lists for four dimensions", {{1}, {1}, {1}}, {}, 9},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> visited;
        const int code = codeOf(
            [&] { grid.forEachCell(c.selection, [&](double cell) { visited.push_back(cell); }); });
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(visited, c.visited);
    }
}

} // namespace
} // namespace torval
