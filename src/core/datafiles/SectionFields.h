#pragma once
// Field reads shared by the air and surface-water readers. Their files mark every section with
// a fixed text and give counts as free-format integer fields; these reads turn a misplaced
// marker or an impossible count into the failure that says "not a file of this kind" (62)
// before anything is sized from it.

#include "datafiles/FreeFormatReader.h"
#include "shell/BoundedArray.h"

#include <cstdint>
#include <string_view>

namespace torval {

// Reads a text field and raises 62 unless it is exactly `marker`.
void expectMarker(FreeFormatReader& reader, std::string_view marker);

// A numeric field rounded to 16 bits, halves to even; 6 beyond the 16-bit range.
std::int16_t integerField(FreeFormatReader& reader);

// An integer field that counts items or points of the file. The models never write a negative
// count, so one means a foreign or damaged file: 62.
std::int16_t countField(FreeFormatReader& reader);

// Reads and drops `count` text fields.
void skipFields(FreeFormatReader& reader, int count);

// Sizes `values` 0..upperBound and fills 1..valueCount from numeric fields (valueCount may be
// 0 or below: nothing is read). Raises 62 before sizing when the rest of the file cannot hold
// valueCount numbers.
void readNumberFields(FreeFormatReader& reader, std::int16_t valueCount, std::int16_t upperBound,
                      BoundedArray<double, 1>& values);

// A Monte Carlo result counts its iterations plus one, so its count is at least 1; a count of 0
// leaves no place even for the unused element 0 of the series: 62.
void requireMonteCarloCount(std::int16_t iterationCount);

// The Monte Carlo values of a result: `iterationCount` - 1 values at 1..count-1 (none for a
// count of 0 or 1), the array sized 0..upperBound.
void readMonteCarloValues(FreeFormatReader& reader, std::int16_t iterationCount,
                          std::int16_t upperBound, BoundedArray<double, 1>& values);

// Builds an axis of a grid from the range text that is the only place its coordinates are
// given. A range of fewer points than the grid has on that axis would leave grid cells
// without a coordinate: such a file is refused with 62.
void axisForGrid(std::string_view rangeText, std::int16_t gridPoints,
                 BoundedArray<double, 1>& values);

} // namespace torval
