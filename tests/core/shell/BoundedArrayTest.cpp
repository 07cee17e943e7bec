#include "shell/BoundedArray.h"

#include "support/CodeOf.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();

TEST(BoundedArray, ChecksEveryIndexAgainstItsOwnDimension) {
    BoundedArray<int, 3> grid;
    grid.redim({1, 3}, {0, 2}, {-1, 1});
    struct Case {
        std::array<std::int64_t, 3> index;
        bool inside;
    };
    const std::vector<Case> cases = {
        {{1, 0, -1}, true}, {{3, 2, 1}, true},         {{2, 1, 0}, true},
        {{0, 1, 0}, false}, {{4, 1, 0}, false},        {{2, -1, 0}, false},
        {{2, 3, 0}, false}, {{2, 1, -2}, false},       {{2, 1, 2}, false},
        {{3, 3, 1}, false}, {{Smallest, 1, 0}, false}, {{Largest, 1, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.index[0] << "," << c.index[1] << "," << c.index[2]);
        const BoundedArray<int, 3>& view = grid;
        const int code = codeOf([&] { view.at(c.index[0], c.index[1], c.index[2]); });
        EXPECT_EQ(code, c.inside ? 0 : ErrorCode::SubscriptOutOfRange);
    }
}

TEST(BoundedArray, UnallocatedOrErasedArrayRejectsEveryIndex) {
    BoundedArray<double, 1> series;
    EXPECT_EQ(codeOf([&] { series.at(0); }), ErrorCode::SubscriptOutOfRange);
    series.redim({0, 0});
    series.at(0) = 4.0;
    series.erase();
    EXPECT_FALSE(series.isAllocated());
    EXPECT_EQ(codeOf([&] { series.at(0); }), ErrorCode::SubscriptOutOfRange);
}

TEST(BoundedArray, ImpossibleSizesFailAndKeepThePreviousContents) {
    struct Case {
        const char* name;
        BoundedArray<double, 2>::Bounds first;
        BoundedArray<double, 2>::Bounds second;
        int code;
    };
    const std::vector<Case> cases = {
        {"upper below lower", {1, 0}, {1, 1}, ErrorCode::SubscriptOutOfRange},
        {"second upper below lower", {1, 1}, {5, 4}, ErrorCode::SubscriptOutOfRange},
        {"whole index range", {Smallest, Largest}, {1, 1}, ErrorCode::OutOfMemory},
        {"count overflows", {0, Largest - 1}, {0, Largest - 1}, ErrorCode::OutOfMemory},
        {"beyond any vector", {0, Largest / 2}, {1, 1}, ErrorCode::OutOfMemory},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoundedArray<double, 2> table;
        table.redim({1, 1}, {1, 2});
        table.at(1, 2) = 7.0;
        EXPECT_EQ(codeOf([&] { table.redim(c.first, c.second); }), c.code);
        EXPECT_EQ(table.upper(2), 2);
        EXPECT_EQ(table.at(1, 2), 7.0);
    }
}

} // namespace
} // namespace torval
