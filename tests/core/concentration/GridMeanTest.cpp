#include "concentration/GridMean.h"

#include "core/concentration/GridFixtures.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

using testing::gridOf;
using testing::Index;
using testing::valuesOf;

// Cell (i, j, k) holds 100i + 10j + k over X {0, 10, 20}, Y {0, 5, 10}, Z {0, 1}, so the mean
// of a box is 100 x (mean i) + 10 x (mean j) + (mean k).
struct Box {
    ConcentrationGrid grid;
    BoundedArray<double, 1> x = valuesOf({0, 10, 20});
    BoundedArray<double, 1> y = valuesOf({0, 5, 10});
    BoundedArray<double, 1> z = valuesOf({0, 1});

    Box() {
        std::vector<double> cells;
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                for (int k = 1; k <= 2; ++k) {
                    cells.push_back(100 * i + 10 * j + k);
                }
            }
        }
        grid = gridOf({3, 3, 2}, cells);
    }
};

TEST(GridMean, AveragesTheCellsInsideTheIntervals) {
    const Box box;
    struct Case {
        const char* name;
        std::string x;
        std::string y;
        std::string z;
        double expected;
        int code;
    };
    const std::vector<Case> cases = {
        {"empty intervals take whole axes", "", "", "", 221.5, 0},
        {"intervals on the axis ends", "0:20", "0:10", "0:1", 221.5, 0},
        {"wider intervals in reverse order", "25:-5", "10:0", "", 221.5, 0},
        {"sub-box", "10:20", "5", "", 271.5, 0},
        {"sub-box with reversed ends", "20:10", " 5 : 5 ", "", 271.5, 0},
        {"another sub-box", "0:10", "5:10", "1", 177, 0}, // z = 1 is index 2
        {"interval between two grid points", "12:18", "", "", 0, ErrorCode::IllegalFunctionCall},
        {"interval beyond the axis", "", "30:40", "", 0, ErrorCode::IllegalFunctionCall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double mean = 0.0;
        const int code = codeOf([&] {
            mean = GridMean3D("Groundwater", {c.x, box.x}, {c.y, box.y}, {c.z, box.z}, box.grid);
        });
        EXPECT_EQ(code, c.code);
        if (c.code == 0) {
            EXPECT_EQ(mean, c.expected);
        }
    }
}

TEST(GridMean, CoordinatesWithRoundingCountAtTheIntervalEnds) {
    std::vector<double> coordinates;
    std::vector<double> cells;
    for (int i = 1; i <= 11; ++i) {
        coordinates.push_back(0.0 + (i - 1) * 0.1); // the fourth is 0.30000000000000004
        cells.push_back(i);
    }
    const ConcentrationGrid grid = gridOf({11}, cells);
    const auto x = valuesOf(coordinates);
    struct Case {
        std::string interval;
        double expected;
    };
    const std::vector<Case> cases = {
        {"0:0.3", 2.5}, {"0.3", 4}, {"0:0.29", 2}, {"0.7:1", 9.5}, {"", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        EXPECT_EQ(GridMean1D({c.interval, x}, grid), c.expected);
    }
}

// Air data average their first time point.
TEST(GridMean, AirGridsAndFailuresOfGridsAndAxes) {
    const auto twoPoints = valuesOf({0, 1});
    const BoundedArray<double, 1> noCoordinates;
    std::vector<double> cells;
    for (int n = 1; n <= 16; ++n) {
        cells.push_back(n); // time index fastest: the first time point holds the odd numbers
    }
    const auto box = [&](const std::string& model, const ConcentrationGrid& grid) {
        return [=] {
            return GridMean3D(model, {"", twoPoints}, {"", twoPoints}, {"", twoPoints}, grid);
        };
    };
    const auto eight = [](const std::vector<Index>& uppers) {
        return gridOf(uppers, {1, 2, 3, 4, 5, 6, 7, 8});
    };
    struct Case {
        const char* name;
        std::function<double()> mean;
        double expected;
        int code;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"air grid with one time point", box("Air", eight({2, 2, 2, 1})), 4.5, 0},
        {"air grid with two time points", box("AIR MODEL", gridOf({2, 2, 2, 2}, cells)), 8, 0},
        {"air data on a 3-D grid", box("Air", eight({2, 2, 2})), 0, ErrorCode::SubscriptOutOfRange},
        {"other data on a 4-D grid", box("Groundwater", eight({2, 2, 2, 1})), 0, ErrorCode::SubscriptOutOfRange},
        {"one-cell grid", [&] {return GridMean1D({"", noCoordinates}, gridOf({1}, {-2.5}));}, -2.5, 0},
        {"2-D with an interval on the second axis only",
         [&] {
             return GridMean2D({"", twoPoints}, {"1", twoPoints}, gridOf({2, 2}, {1, 2, 3, 4}));
         },
         3, 0},
        {"fewer coordinates than points",
         [&] {
             return GridMean1D({"0:1", twoPoints}, gridOf({3}, {1, 2, 3}));
         },
         0, ErrorCode::SubscriptOutOfRange},
        {"axis of no points", [&] {return GridMean1D({"", noCoordinates}, gridOf({0}, {}));}, 0, ErrorCode::DivisionByZero},
        {"2-D mean of a 1-D grid",
         [&] {
             return GridMean2D({"", twoPoints}, {"", twoPoints}, gridOf({2}, {1, 2}));
         },
         0, ErrorCode::SubscriptOutOfRange},
        {"sum beyond a double",
         [&] {
             return GridMean1D({"", twoPoints}, gridOf({2}, {1.5e308, 1.5e308}));
         },
         0, ErrorCode::Overflow},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double mean = 0.0;
        EXPECT_EQ(codeOf([&] { mean = c.mean(); }), c.code);
        if (c.code == 0) {
            EXPECT_EQ(mean, c.expected);
        }
    }
}

} // namespace
} // namespace torval
