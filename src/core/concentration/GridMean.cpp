#include "concentration/GridMean.h"

#include "concentration/CellFolds.h"
#include "datafiles/RangeTexts.h"
#include "shell/CheckedArithmetic.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace torval {

namespace {

using Index = ConcentrationGrid::Index;
using CellSelection = ConcentrationGrid::CellSelection;

constexpr double RelativeCoordinateTolerance = 1E-9;

double spanOf(const BoundedArray<double, 1>& coordinates, Index count) {
    double lowest = coordinates.at(1);
    double highest = lowest;
    for (Index i = 2; i <= count; ++i) {
        lowest = std::min(lowest, coordinates.at(i));
        highest = std::max(highest, coordinates.at(i));
    }
    return highest - lowest;
}

// The indexes 1..count of the grid points that lie inside the axis's interval.
std::vector<Index> indexesInside(const AxisInterval& axis, Index count) {
    if (trimBlanksView(axis.text).empty() || count < 1) {
        return ConcentrationGrid::indexesUpTo(count);
    }
    std::vector<Index> inside = GridPointsInside(axis, count);
    if (inside.empty()) {
        throw RunTimeError(ErrorCode::IllegalFunctionCall, "no grid point inside the interval");
    }
    return inside;
}

} // namespace

double CoordinateTolerance(const BoundedArray<double, 1>& coordinates, Index count) {
    if (count < 1) {
        return 0.0;
    }
    const double span = spanOf(coordinates, count);
    const double scale = span > 0.0 ? span : std::abs(coordinates.at(1));
    return RelativeCoordinateTolerance * scale;
}

std::vector<Index> GridPointsInside(const AxisInterval& axis, Index count) {
    const IntervalText interval = ParseIntervalText(axis.text);
    const double tolerance = CoordinateTolerance(axis.coordinates, count);
    const double lowest = std::min(interval.from, interval.to) - tolerance;
    const double highest = std::max(interval.from, interval.to) + tolerance;
    std::vector<Index> inside;
    for (Index i = 1; i <= count; ++i) {
        const double coordinate = axis.coordinates.at(i);
        if (coordinate >= lowest && coordinate <= highest) {
            inside.push_back(i);
        }
    }
    return inside;
}

namespace {

// Sums the selected cells, then divides by the number of indexes of each averaged axis in
// turn. A selection may hold more lists than axes averaged (the fixed time index of air data).
double meanOf(const ConcentrationGrid& grid, const CellSelection& cells, std::size_t averaged) {
    double mean = checkedResult(grid.forEachCell(cells, CellSum{}).sum);
    for (std::size_t d = 0; d < averaged; ++d) {
        mean = checkedDivide(mean, static_cast<double>(cells[d].size()));
    }
    return mean;
}

void checkRank(const ConcentrationGrid& grid, std::size_t rank) {
    if (grid.rank() != rank) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange, "grid of another rank");
    }
}

CellSelection cellsInside(const ConcentrationGrid& grid,
                          std::initializer_list<const AxisInterval*> axes) {
    CellSelection cells;
    std::size_t dimension = 1;
    for (const AxisInterval* axis : axes) {
        cells.push_back(indexesInside(*axis, grid.upper(dimension++)));
    }
    return cells;
}

} // namespace

double GridMean1D(const AxisInterval& first, const ConcentrationGrid& grid) {
    checkRank(grid, 1);
    return meanOf(grid, cellsInside(grid, {&first}), 1);
}

double GridMean2D(const AxisInterval& first, const AxisInterval& second,
                  const ConcentrationGrid& grid) {
    checkRank(grid, 2);
    return meanOf(grid, cellsInside(grid, {&first, &second}), 2);
}

double GridMean3D(std::string_view modelName, const AxisInterval& first, const AxisInterval& second,
                  const AxisInterval& third, const ConcentrationGrid& grid) {
    const bool airData = contains(lowerCase(modelName), "air");
    checkRank(grid, airData ? 4 : 3);
    CellSelection cells = cellsInside(grid, {&first, &second, &third});
    if (airData) {
        cells.push_back({1});
    }
    return meanOf(grid, cells, 3);
}

double GridMean4D(const AxisInterval& first, const AxisInterval& second, const AxisInterval& third,
                  const AxisInterval& fourth, const ConcentrationGrid& grid) {
    checkRank(grid, 4);
    return meanOf(grid, cellsInside(grid, {&first, &second, &third, &fourth}), 4);
}

} // namespace torval
