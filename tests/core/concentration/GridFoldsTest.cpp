#include "concentration/GridMax.h"
#include "concentration/GridMean.h"
#include "core/concentration/GridFixtures.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <cmath>
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

using Axis = BoundedArray<double, 1>;

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

// The means and maxima of grids sized from 0 with a huge value in their index-0 cells, which
// must never count. Cell (i, j, k) of the box holds 100i + 10j + k over X {0, 10, 20}, Y {0, 5,
// 10}, Z {0, 1}, so the mean of a box is 100 x (mean i) + 10 x (mean j) + (mean k). The eleven
// tenths lie 0.1 apart, the fourth at 0.30000000000000004. The air grid's time index runs fastest,
// so its first time point holds the odd numbers.
TEST(GridFolds, MeansAndMaximaOfTheCountedCells) {
    std::vector<double> boxCells;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            for (int k = 1; k <= 2; ++k) {
                boxCells.push_back(100 * i + 10 * j + k);
            }
        }
    }
    std::vector<double> tenths;
    std::vector<double> counting;
    for (int n = 1; n <= 16; ++n) {
        counting.push_back(n);
        if (n <= 11) {
            tenths.push_back((n - 1) * 0.1);
        }
    }
    const ConcentrationGrid box = gridOf({3, 3, 2}, boxCells);
    const Axis x = valuesOf({0, 10, 20}), y = valuesOf({0, 5, 10}), z = valuesOf({0, 1});
    const Axis twoPoints = valuesOf({0, 1}), noCoordinates;
    const auto inBox = [&](const char* xs, const char* ys, const char* zs) {
        return [=] { return GridMean3D("Groundwater", {xs, x}, {ys, y}, {zs, z}, box); };
    };
    const auto line = [](const char* interval, const Axis& axis, const ConcentrationGrid& grid) {
        return [=] { return GridMean1D({interval, axis}, grid); };
    };
    const auto plane = [&](const char* second, const ConcentrationGrid& grid) {
        return [=] { return GridMean2D({"", twoPoints}, {second, twoPoints}, grid); };
    };
    const auto along = [&](const char* interval) {
        return line(interval, valuesOf(tenths), gridOf({11}, counting)); // cells 1 to 11
    };
    const auto whole = [&](const std::string& model, const ConcentrationGrid& grid) {
        return [=] {
            return GridMean3D(model, {"", twoPoints}, {"", twoPoints}, {"", twoPoints}, grid);
        };
    };
    const auto eight = [](const std::vector<Index>& uppers) {
        return gridOf(uppers, {1, 2, 3, 4, 5, 6, 7, 8});
    };
    const auto maxOf = [](std::vector<Index> uppers, std::vector<double> cells,
                          std::vector<Index> counts) {
        return [=] { return gridMax(counts, gridOf(uppers, cells)); };
    };
    struct Case {
        const char* name;
        std::function<double()> fold;
        double expected;
        int code;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"empty intervals take whole axes", inBox("", "", ""), 221.5, 0},
        {"intervals on the axis ends", inBox("0:20", "0:10", "0:1"), 221.5, 0},
        {"wider intervals in reverse order", inBox("25:-5", "10:0", ""), 221.5, 0},
        {"sub-box", inBox("10:20", "5", ""), 271.5, 0},
        {"sub-box with reversed ends", inBox("20:10", " 5 : 5 ", ""), 271.5, 0},
        {"another sub-box", inBox("0:10", "5:10", "1"), 177, 0}, // z = 1 is index 2
        {"interval between two grid points", inBox("12:18", "", ""), 0, ErrorCode::IllegalFunctionCall},
        {"interval beyond the axis", inBox("", "30:40", ""), 0, ErrorCode::IllegalFunctionCall},
        {"tenths 0:0.3", along("0:0.3"), 2.5, 0},
        {"tenths 0.3", along("0.3"), 4, 0},
        {"tenths 0:0.29", along("0:0.29"), 2, 0},
        {"tenths 0.7:1", along("0.7:1"), 9.5, 0},
        {"all tenths", along(""), 6, 0},
        {"air grid with one time point", whole("Air", eight({2, 2, 2, 1})), 4.5, 0},
        {"air grid with two time points", whole("AIR MODEL", gridOf({2, 2, 2, 2}, counting)), 8, 0},
        {"air data on a 3-D grid", whole("Air", eight({2, 2, 2})), 0, ErrorCode::SubscriptOutOfRange},
        {"other data on a 4-D grid", whole("Groundwater", eight({2, 2, 2, 1})), 0, ErrorCode::SubscriptOutOfRange},
        {"one-cell grid", line("", noCoordinates, gridOf({1}, {-2.5})), -2.5, 0},
        {"2-D with an interval on the second axis only", plane("1", gridOf({2, 2}, {1, 2, 3, 4})), 3, 0},
        {"fewer coordinates than points", line("0:1", twoPoints, gridOf({3}, {1, 2, 3})), 0, ErrorCode::SubscriptOutOfRange},
        {"axis of no points", line("", noCoordinates, gridOf({0}, {})), 0, ErrorCode::DivisionByZero},
        {"2-D mean of a 1-D grid", plane("", gridOf({2}, {1, 2})), 0, ErrorCode::SubscriptOutOfRange},
        {"sum beyond a double", line("", twoPoints, gridOf({2}, {1.5e308, 1.5e308})), 0, ErrorCode::Overflow},
        {"maximum of one cell", maxOf({1}, {-3.5}, {1}), -3.5, 0},
        {"maximum of negative cells", maxOf({3}, {-5, -2, -9}, {3}), -2, 0},
        {"maximum of cells all -1E21", maxOf({2, 2}, {-1E21, -1E21, -1E21, -1E21}, {2, 2}), -1E20, 0},
        {"maximum of cells all exactly -1E20", maxOf({2}, {-1E20, -1E20}, {2}), -1E20, 0},
        {"maximum over a count of 0", maxOf({2, 2}, {4, 5, 6, 7}, {2, 0}), -1E20, 0},
        {"maximum over counts below the bounds", maxOf({2, 3}, {1, 2, 30, 4, 50, 60}, {2, 2}), 50, 0},
        {"maximum in the last cell", maxOf({2, 1, 2}, {1, 2, 3, 4}, {2, 1, 2}), 4, 0},
        {"maximum of an air grid with one time point", maxOf({2, 1, 2, 1}, {0.25, 0.75, 0.5, 0.125}, {2, 1, 2, 1}), 0.75, 0},
        {"4-D maximum over part of the time axis", maxOf({1, 1, 2, 2}, {1, 90, 2, 3}, {1, 1, 2, 1}), 2, 0},
        {"maximum with a count beyond the grid", maxOf({2}, {1, 2}, {3}), 0, ErrorCode::SubscriptOutOfRange},
        {"maximum of a grid of another rank", maxOf({2, 2}, {1, 2, 3, 4}, {2}), 0, ErrorCode::SubscriptOutOfRange},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double value = 0.0;
        EXPECT_EQ(codeOf([&] { value = c.fold(); }), c.code);
        if (c.code == 0) {
            EXPECT_EQ(value, c.expected);
        }
    }
}

// -0 and +0 compare equal, so the sign of the result shows which cell was kept: the first.
TEST(GridFolds, ALaterEqualValueDoesNotReplaceTheEarlierMaximum) {
    EXPECT_TRUE(std::signbit(GridMax1D(2, gridOf({2}, {-0.0, 0.0}))));
    EXPECT_FALSE(std::signbit(GridMax1D(2, gridOf({2}, {0.0, -0.0}))));
    EXPECT_TRUE(std::signbit(GridMax1D(2, valuesOf({-0.0, 0.0}))));
}

} // namespace
} // namespace torval
