#pragma once
// The largest concentration of a grid over the cells 1..n of each dimension, for the
// maximum concentration of a loaded data set (NormaliseDataSet) and its Monte Carlo values.
//
// The running maximum starts at -1E20 and takes a cell only when it is larger, so a grid whose
// cells all lie below -1E20, or a count below 1, gives -1E20. A grid of another rank than the
// function's, or a count beyond a dimension's upper bound, raises 9.

#include "concentration/CellFolds.h"
#include "datafiles/ConcentrationGrid.h"
#include "shell/BoundedArray.h"

namespace torval {

using GridCount = ConcentrationGrid::Index;

double GridMax1D(GridCount n1, const ConcentrationGrid& grid);
double GridMax1D(GridCount n1, const BoundedArray<double, 1>& values);
double GridMax2D(GridCount n1, GridCount n2, const ConcentrationGrid& grid);
double GridMax3D(GridCount n1, GridCount n2, GridCount n3, const ConcentrationGrid& grid);
double GridMax4D(GridCount n1, GridCount n2, GridCount n3, GridCount n4,
                 const ConcentrationGrid& grid);

// The maximum over any selection of cells, for callers that already hold one.
double GridMaxOf(const ConcentrationGrid& grid, const ConcentrationGrid::CellSelection& cells);

} // namespace torval
