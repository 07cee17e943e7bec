#pragma once
// The one loaded transport-model data set. For now it holds only what the intake equations
// read: whether the file carries its own Monte Carlo concentrations and those values. The full
// set of fields (axes, grids, chemicals, ranges, units) comes with the file readers.

#include "shell/BoundedArray.h"

#include <cstdint>

namespace torval {

struct ModelDataSet {
    // Layout code of the loaded data; 0 means Monte Carlo concentrations at one point, -1 that
    // nothing is loaded.
    std::int16_t DataType = -1;
    // The count heading the file's Monte Carlo block: the values used are 1..count-1.
    std::int16_t McIterationCount = -1;
    BoundedArray<double, 1> McIterationValues;
};

} // namespace torval
