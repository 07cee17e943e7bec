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

using Axis = BoundedArray<double, 1>;

// Cell (i, j, k) of the box holds 100i + 10j + k over X {0, 10, 20}, Y {0, 5, 10}, Z {0, 1},
// so the mean of a box is 100 x (mean i) + 10 x (mean j) + (mean k). The eleven tenths lie 0.1
// apart, the fourth at 0.30000000000000004. The air grid's time index runs fastest, so its
// first time point holds the odd numbers.
TEST(GridMean, AveragesTheCellsInsideTheIntervals) {
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
    struct Case {
        const char* name;
        std::function<double()> mean;
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
        {"2-D with an interval on the second axis only",
         [&] { return GridMean2D({"", twoPoints}, {"1", twoPoints}, gridOf({2, 2}, {1, 2, 3, 4})); }, 3, 0},
        {"fewer coordinates than points", line("0:1", twoPoints, gridOf({3}, {1, 2, 3})), 0, ErrorCode::SubscriptOutOfRange},
        {"axis of no points", line("", noCoordinates, gridOf({0}, {})), 0, ErrorCode::DivisionByZero},
        {"2-D mean of a 1-D grid",
         [&] { return GridMean2D({"", twoPoints}, {"", twoPoints}, gridOf({2}, {1, 2})); }, 0, ErrorCode::SubscriptOutOfRange},
        {"sum beyond a double", line("", twoPoints, gridOf({2}, {1.5e308, 1.5e308})), 0, ErrorCode::Overflow},
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
