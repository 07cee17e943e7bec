#pragma once
// The grid blocks of the groundwater files, shared by the single-species bodies and the
// species bodies: how a block gives its point counts, how many values it then claims, and the
// loops that read the axis coordinates and the concentrations in the order the models write
// them. A species file repeats the value loops once per species into that species' grid, axis
// coordinates included, so the same loops serve both.
//
// Layouts: 11 (X-T) for one-dimensional and unsaturated models, 14 (X-Y-T) for
// two-dimensional ones, 17 (X-Y-Z-T) for three-dimensional ones. Grids are sized 0..N on each
// axis; element 0 stays 0.

#include "datafiles/ConcentrationGrid.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/GroundwaterBlocks.h"
#include "datafiles/ModelDataSet.h"

#include <cstdint>

namespace torval::groundwater {

inline constexpr std::int16_t XTLayout = 11;
inline constexpr std::int16_t XYTLayout = 14;
inline constexpr std::int16_t XYZTLayout = 17;

// The point counts that open a grid block:
//   11: two fields, "...: NX" and "...: NT";
//   14: count lines NX, NY, NT and one line;
//   17: count lines NX, NY, NZ, NT and one line.
GridShape readGridShape(FreeFormatReader& reader, std::int16_t layout);

// How many numbers one pass of the value loops of the layout reads (the coordinates written
// beside the concentrations included), saturated; what a file must be able to hold before
// grids of that shape are sized.
std::int64_t valuesPerGrid(std::int16_t layout, const GridShape& shape);

// Sizes `grid` 0..N on each axis of the layout.
void sizeGrid(ConcentrationGrid& grid, std::int16_t layout, const GridShape& shape);

// What follows the counts once for all species: for 11 and 14 one field and the NT times
// into TValues; nothing for 17, whose times head each time block.
void readGridHeading(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout);

// One pass of the value loops of the layout into `grid`, each concentration times `factor`:
//   11: per x: X, then NT concentrations;
//   14: per x, per y: X, Y, then NT concentrations;
//   17: per t: one field, T, one field, NZ depths Z, then per x, per y: X, Y and NZ
//       concentrations.
// The coordinates go into the data set's axes.
void readGridValues(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout,
                    ConcentrationGrid& grid, double factor);

} // namespace torval::groundwater
