#pragma once
// The data of one chemical of an air file, or of one species of a groundwater
// multiple-species file. The readers fill one record per chemical; choosing a chemical copies
// its record into the current fields of the ModelDataSet (SelectAirChemical, SelectSpecies),
// and NormaliseDataSet scales the records themselves.

#include "datafiles/ConcentrationGrid.h"
#include "shell/BoundedArray.h"

#include <cstdint>
#include <string>

namespace torval {

struct ChemicalDataRecord {
    std::int16_t DataType = -1; // layout code, as ModelDataSet::DataType
    std::string XRange;
    std::string YRange;
    std::string ZRange;
    std::string TRange;
    std::int16_t NumX = -1;
    std::int16_t NumY = -1;
    std::int16_t NumZ = -1;
    std::int16_t NumT = -1;
    BoundedArray<double, 1> XValues;
    BoundedArray<double, 1> YValues;
    BoundedArray<double, 1> ZValues;
    BoundedArray<double, 1> TValues;
    double InitialConcentration = -1.0;
    std::int16_t McIterationCount = -1;
    BoundedArray<double, 1> McIterationValues;
    double MaximumConcentration = 0.0;
    double AverageConcentration = 0.0;
    // Air records always keep four indexes (X, Y, Z, T); species records the dimensions of
    // their layout.
    torval::ConcentrationGrid ConcentrationGrid;
    std::string ModelResult;

    bool operator==(const ChemicalDataRecord&) const = default;
};

} // namespace torval
