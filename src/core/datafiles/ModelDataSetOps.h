#pragma once
// The operations over the one ModelDataSet that the file opening, the readers and the chemical
// selection dialog share: clearing it before a file is read, making one chemical of a
// multi-chemical file current, and building an axis from a range text.

#include "datafiles/ModelDataSet.h"
#include "shell/BoundedArray.h"

#include <cstdint>
#include <string_view>

namespace torval {

// Clears what a reader fills before it reads: SubModelName, SubTypeName, AquiferName,
// ContaminantName, ModelResult, the range texts, the MCCoord texts and the unit texts become
// ""; DataType, McIterationCount and NumX..NumT -1; InitialConcentration -1; ChemicalCount 1.
// Everything else stays: DataFileName, ModelName, CurrentChemical, every array, MaxNumX..MaxNumT
// and also MaxMcIterationCount, MaximumConcentration and AverageConcentration, which a load
// sets afresh whenever its data have them.
void ResetModelDataSet(ModelDataSet& data);

// Makes chemical `index` of AirChemicalData current: its layout, range texts, point counts,
// Monte Carlo count, result, maximum and average always; its Monte Carlo values for layout 0;
// its axes and its four-index grid (cells from index 1) for layouts 10 and 17. Any other
// layout copies no array, so arrays of the previous chemical stay behind: consumers go by
// DataType. Raises 9 for an index outside 1..ChemicalCount or the records, or a count beyond a
// record's arrays.
void SelectAirChemical(ModelDataSet& data, std::int16_t index);

// The same for species `index` of SpeciesData, with these differences: the species of one file
// share the data set's axes, range texts and point counts, which therefore stay; a grid layout
// (3 to 17) copies the species' grid with its own rank and upper bounds (cells from index 1).
void SelectSpecies(ModelDataSet& data, std::int16_t index);

// Sizes `values` 0..n for the n points of the range text and sets values(i) to
// from + (i - 1) * step for i = 1..n. Raises what ParseRangeText raises, 9 for a negative n and
// 6 for a coordinate beyond a double.
void AxisValuesFromRange(std::string_view rangeText, BoundedArray<double, 1>& values);

} // namespace torval
