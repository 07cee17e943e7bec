#include "concentration/GridMax.h"

namespace torval {

namespace {

ConcentrationGrid::CellSelection firstCells(std::initializer_list<GridCount> counts) {
    ConcentrationGrid::CellSelection cells;
    for (const GridCount count : counts) {
        cells.push_back(ConcentrationGrid::indexesUpTo(count));
    }
    return cells;
}

} // namespace

double GridMaxOf(const ConcentrationGrid& grid, const ConcentrationGrid::CellSelection& cells) {
    return grid.forEachCell(cells, CellMaximum{}).maximum;
}

double GridMax1D(GridCount n1, const ConcentrationGrid& grid) {
    return GridMaxOf(grid, firstCells({n1}));
}

double GridMax1D(GridCount n1, const BoundedArray<double, 1>& values) {
    CellMaximum maximum;
    for (GridCount i = 1; i <= n1; ++i) {
        maximum(values.at(i));
    }
    return maximum.maximum;
}

double GridMax2D(GridCount n1, GridCount n2, const ConcentrationGrid& grid) {
    return GridMaxOf(grid, firstCells({n1, n2}));
}

double GridMax3D(GridCount n1, GridCount n2, GridCount n3, const ConcentrationGrid& grid) {
    return GridMaxOf(grid, firstCells({n1, n2, n3}));
}

double GridMax4D(GridCount n1, GridCount n2, GridCount n3, GridCount n4,
                 const ConcentrationGrid& grid) {
    return GridMaxOf(grid, firstCells({n1, n2, n3, n4}));
}

} // namespace torval
