#pragma once
// Brings a freshly loaded data set to mg/l and computes its maximum and average
// concentrations. The file-opening code calls NormaliseDataSet once after a reader has filled
// the data set; ComputeAverageConcentration recomputes the averages alone.
//
// The records treated follow the data: every chemical record of an air file (model name
// containing "air"), every species record of a groundwater multiple-species file (model name
// containing "groundwater" and medium 6), otherwise the data set's own current data. Per kind
// of record only some layouts are treated; a record of any other layout keeps its values, its
// maximum and its average:
//     own data         0; 1, 2; 3 to 6 (1-D); 7, 8, 9, 11, 12, 13 (2-D); 10, 14, 15, 16 (3-D);
//                      17 (4-D)
//     air chemicals    0; 1, 2; 10 and 17 (4-D: layout 10 keeps a time index)
//     species          0; 11 (2-D); 14 (3-D); 17 (4-D)
// A grid record covers the cells 1..Num of each axis of its layout (NumX, NumY, NumZ, NumT of
// the record, in the order X, Y, Z, T).
//
// Averages over no values are 0: a Monte Carlo record whose count is 1 or less, or a grid with
// an axis of no points. There is nothing to average and 0 keeps every later display and file
// free of a NaN. Their maximum is the empty maximum, -1E20.

#include "datafiles/ModelDataSet.h"

#include <cstdint>

namespace torval {

// Multiplies every treated value by the factor of ConcentrationUnit (which becomes "mg/l"),
// then sets MaximumConcentration and AverageConcentration of each treated record. A single
// value is scaled in ModelResult, written back in the general text form, and that written
// number is its maximum and average. Raises 9 when a count exceeds its array or a grid has
// another rank than its layout, and 6 when a scaled value or a sum goes beyond a double.
void NormaliseDataSet(ModelDataSet& data, std::int16_t mediumCode);

// Sets AverageConcentration of each treated record: the mean of its Monte Carlo values
// 1..McIterationCount-1, the number in ModelResult, or the sum of its grid cells divided by
// their count (one division, unlike the interval means of GridMean).
void ComputeAverageConcentration(ModelDataSet& data, std::int16_t mediumCode);

} // namespace torval
