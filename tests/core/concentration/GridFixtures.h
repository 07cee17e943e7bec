#pragma once
// Small hand-made grids and value arrays for the tests. The concentration tests size them from
// 0, as the file readers do, with a sentinel in every element with an index 0 so large that a
// sum, mean or maximum that wrongly reads one cannot pass unnoticed; the analysis file tests
// size them from 1, as the analysis file reader does.

#include "datafiles/ConcentrationGrid.h"
#include "shell/BoundedArray.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace torval::testing {

inline constexpr double IndexZeroSentinel = 1E30;

using Index = ConcentrationGrid::Index;
using Bounds = ConcentrationGrid::Bounds;

// A grid of one dimension per bounds, its cells cleared.
inline ConcentrationGrid sizedGrid(const std::vector<Bounds>& b) {
    ConcentrationGrid grid;
    switch (b.size()) {
    case 1:
        grid.redim(b[0]);
        break;
    case 2:
        grid.redim(b[0], b[1]);
        break;
    case 3:
        grid.redim(b[0], b[1], b[2]);
        break;
    default:
        grid.redim(b[0], b[1], b[2], b[3]);
        break;
    }
    return grid;
}

// Indexes first..upper of every dimension.
inline ConcentrationGrid::CellSelection cellsFrom(const ConcentrationGrid& grid, Index first) {
    ConcentrationGrid::CellSelection selection(grid.rank());
    for (std::size_t d = 0; d < grid.rank(); ++d) {
        for (Index i = first; i <= grid.upper(d + 1); ++i) {
            selection[d].push_back(i);
        }
    }
    return selection;
}

// Sets the cells from index `first` on, in index order (the first dimension slowest), to
// value(0), value(1), ...
template <typename Value>
void fillFrom(ConcentrationGrid& grid, Index first, Value value) {
    std::size_t n = 0;
    grid.forEachCell(cellsFrom(grid, first), [&](double& cell) { cell = value(n++); });
}

// A grid of dimensions first..uppers[d]; its cells from index 1 take `cells` in index order.
// Sized from 0, every cell with an index 0 holds the sentinel.
inline ConcentrationGrid gridOf(const std::vector<Index>& uppers, const std::vector<double>& cells,
                                Index first = 0) {
    std::vector<Bounds> bounds;
    for (const Index upper : uppers) {
        bounds.push_back({first, upper});
    }
    ConcentrationGrid grid = sizedGrid(bounds);
    if (first == 0) {
        fillFrom(grid, 0, [](std::size_t) { return IndexZeroSentinel; });
    }
    fillFrom(grid, 1, [&](std::size_t n) { return cells.at(n); });
    return grid;
}

// Cells from index `first` on, in index order.
inline std::vector<double> cellsOf(const ConcentrationGrid& grid, Index first = 1) {
    std::vector<double> cells;
    grid.forEachCell(cellsFrom(grid, first), [&](double cell) { cells.push_back(cell); });
    return cells;
}

// True while every cell with an index 0 still holds the sentinel.
inline bool indexZeroCellsIntact(const ConcentrationGrid& grid) {
    const std::vector<double> all = cellsOf(grid, 0);
    const std::vector<double> counted = cellsOf(grid, 1);
    return std::ranges::count(all, IndexZeroSentinel) -
               std::ranges::count(counted, IndexZeroSentinel) ==
           static_cast<std::ptrdiff_t>(all.size() - counted.size());
}

// Values first..n; an element 0 holds the sentinel.
inline BoundedArray<double, 1> valuesOf(const std::vector<double>& values, Index first = 0) {
    BoundedArray<double, 1> array;
    array.redim({first, static_cast<Index>(values.size())});
    for (Index i = first; i <= static_cast<Index>(values.size()); ++i) {
        array.at(i) = i == 0 ? IndexZeroSentinel : values[static_cast<std::size_t>(i - 1)];
    }
    return array;
}

} // namespace torval::testing
