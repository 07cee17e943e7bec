#pragma once
// The average concentration over the intervals the user chose on the axes of a grid: the
// arithmetic mean of the cells whose coordinates lie inside every interval, each cell weighted
// equally (the time axis like the space axes; no interpolation). The analysis window calls the
// mean that serves the layout of the data: GridMean1D for X and T, GridMean2D for X-Y and X-T,
// GridMean3D for X-Y-Z and X-Y-T, GridMean4D for X-Y-Z-T.
//
// Which cells count: on each axis, the indexes 1..N (N the upper bound of that dimension)
// whose coordinate lies in [from, to] of the axis's interval text, ends included, from and to
// in either order. Coordinates within a billionth of the axis's span of an end count as
// inside, because coordinates built from range texts carry rounding (0.1 * 3 is not 0.3). An
// empty interval text takes the whole axis, so does an interval covering it, and the mean is
// then that of every cell 1..N.
//
// The cells are summed with the first index running slowest; the sum is divided by the cell
// count of the first axis, the quotient by that of the second, and so on. Failures: an interval
// holding no grid point raises 5 (there is no concentration to average there, and averaging
// something else would mislead); a grid of another rank, or an axis with fewer coordinates than
// grid points, raises 9; an axis of no points divides by zero (11); a sum beyond a double is 6.

#include "datafiles/ConcentrationGrid.h"
#include "shell/BoundedArray.h"

#include <string_view>
#include <vector>

namespace torval {

// The user's interval over one axis and the coordinates of that axis's grid points (1..N). The
// coordinates are read only when the text is not empty.
struct AxisInterval {
    std::string_view text;
    const BoundedArray<double, 1>& coordinates;
};

// How far from an end of an interval a coordinate may lie and still count as at that end: a
// billionth of the axis's span over its points 1..count (of the first coordinate when the span
// is 0). The interval checks of the analysis window use the same tolerance.
double CoordinateTolerance(const BoundedArray<double, 1>& coordinates, std::int64_t count);

// The indexes 1..count of the grid points inside the (non-empty) interval text, ends within
// the tolerance included; empty when the interval holds none.
std::vector<std::int64_t> GridPointsInside(const AxisInterval& axis, std::int64_t count);

double GridMean1D(const AxisInterval& first, const ConcentrationGrid& grid);
double GridMean2D(const AxisInterval& first, const AxisInterval& second,
                  const ConcentrationGrid& grid);
// Air data (the lower-cased model name contains "air") keep a time index on their X-Y-Z grids:
// the grid is then four-dimensional and the mean runs over its first three dimensions with the
// time index 1.
double GridMean3D(std::string_view modelName, const AxisInterval& first, const AxisInterval& second,
                  const AxisInterval& third, const ConcentrationGrid& grid);
double GridMean4D(const AxisInterval& first, const AxisInterval& second, const AxisInterval& third,
                  const AxisInterval& fourth, const ConcentrationGrid& grid);

} // namespace torval
