#pragma once
// Small hand-made grids for the concentration tests. Grids and axes are sized from 0, as the
// file readers size them, and every element with an index 0 holds a sentinel so large that a
// sum, mean or maximum that wrongly reads one cannot pass unnoticed.

#include "datafiles/ConcentrationGrid.h"
#include "shell/BoundedArray.h"

#include <cstddef>
#include <vector>

namespace torval::testing {

inline constexpr double IndexZeroSentinel = 1E30;

using Index = ConcentrationGrid::Index;

// Calls visit(indexes) for every index combination with indexes[d] in first..uppers[d], the
// first dimension slowest.
template <typename Visit>
void forEachIndex(const std::vector<Index>& uppers, Index first, Visit visit) {
    std::vector<Index> indexes(uppers.size(), first);
    for (Index upper : uppers) {
        if (upper < first) {
            return;
        }
    }
    while (true) {
        visit(indexes);
        std::size_t d = indexes.size();
        while (d > 0 && indexes[d - 1] == uppers[d - 1]) {
            indexes[d - 1] = first;
            --d;
        }
        if (d == 0) {
            return;
        }
        ++indexes[d - 1];
    }
}

template <typename Grid>
auto& cellOf(Grid& grid, const std::vector<Index>& i) {
    switch (i.size()) {
    case 1:
        return grid.at(i[0]);
    case 2:
        return grid.at(i[0], i[1]);
    case 3:
        return grid.at(i[0], i[1], i[2]);
    default:
        return grid.at(i[0], i[1], i[2], i[3]);
    }
}

// A grid of dimensions 0..uppers[d]; its cells from index 1 take `cells` in index order.
inline ConcentrationGrid gridOf(const std::vector<Index>& uppers,
                                const std::vector<double>& cells) {
    ConcentrationGrid grid;
    switch (uppers.size()) {
    case 1:
        grid.redim({0, uppers[0]});
        break;
    case 2:
        grid.redim({0, uppers[0]}, {0, uppers[1]});
        break;
    case 3:
        grid.redim({0, uppers[0]}, {0, uppers[1]}, {0, uppers[2]});
        break;
    default:
        grid.redim({0, uppers[0]}, {0, uppers[1]}, {0, uppers[2]}, {0, uppers[3]});
        break;
    }
    forEachIndex(uppers, 0,
                 [&grid](const std::vector<Index>& i) { cellOf(grid, i) = IndexZeroSentinel; });
    std::size_t next = 0;
    forEachIndex(uppers, 1,
                 [&](const std::vector<Index>& i) { cellOf(grid, i) = cells.at(next++); });
    return grid;
}

// Cells 1.. of a grid in index order.
inline std::vector<double> cellsOf(const ConcentrationGrid& grid) {
    std::vector<Index> uppers;
    for (std::size_t d = 1; d <= grid.rank(); ++d) {
        uppers.push_back(grid.upper(d));
    }
    std::vector<double> cells;
    forEachIndex(uppers, 1, [&](const std::vector<Index>& i) { cells.push_back(cellOf(grid, i)); });
    return cells;
}

// True while every cell with an index 0 still holds the sentinel.
inline bool indexZeroCellsIntact(const ConcentrationGrid& grid) {
    std::vector<Index> uppers;
    for (std::size_t d = 1; d <= grid.rank(); ++d) {
        uppers.push_back(grid.upper(d));
    }
    bool intact = true;
    forEachIndex(uppers, 0, [&](const std::vector<Index>& i) {
        for (const Index index : i) {
            if (index == 0 && cellOf(grid, i) != IndexZeroSentinel) {
                intact = false;
            }
        }
    });
    return intact;
}

// Values 1..n; element 0 holds the sentinel.
inline BoundedArray<double, 1> valuesOf(const std::vector<double>& values) {
    BoundedArray<double, 1> array;
    array.redim({0, static_cast<Index>(values.size())});
    array.at(0) = IndexZeroSentinel;
    for (std::size_t i = 0; i < values.size(); ++i) {
        array.at(static_cast<Index>(i + 1)) = values[i];
    }
    return array;
}

} // namespace torval::testing
