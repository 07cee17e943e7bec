#pragma once
// The one loaded transport-model data set. The file readers and the risk data file reader fill
// it; the concentration averaging, the analysis, the risk data file writer and the reports read
// it. Opening another file overwrites it field by field (ResetModelDataSet first), so it is
// never copied: the AppState holds the only one.
//
// It describes one chemical at a time, the current one. Files with several chemicals keep each
// chemical's data in AirChemicalData or SpeciesData, and choosing a chemical copies its record
// into the current fields. Which arrays hold data is told by DataType alone: an array may
// still hold what an earlier chemical or file left there.
//
// Arrays are addressed 1..N. The transport-model readers size them from 0 (element 0 stays 0
// and is never read), the risk data file reader from 1. A fresh data set holds what
// ResetModelDataSet leaves.

#include "datafiles/ChemicalDataRecord.h"
#include "datafiles/ConcentrationGrid.h"
#include "shell/BoundedArray.h"

#include <cstdint>
#include <string>

namespace torval {

struct ModelDataSet {
    std::string DataFileName; // full path of the loaded file
    // The medium chosen in the New Application dialog ("Input", "Air", "Groundwater",
    // "Surface Water - Near Field", ...), after an open the medium of the file's extension.
    // Every test on it is made on its lower-cased text.
    std::string ModelName;
    std::string SubModelName;    // the file's model type line, e.g. "Two Dimensional"
    std::string SubTypeName;     // surface-water model sub type, e.g. "Estuary"
    std::string AquiferName;     // groundwater files only
    std::string ContaminantName; // groundwater files only
    std::int16_t ChemicalCount = 1;
    std::int16_t CurrentChemical = 1; // 1..ChemicalCount
    BoundedArray<std::string, 1> ChemicalNames;
    BoundedArray<ChemicalDataRecord, 1> AirChemicalData;
    BoundedArray<ChemicalDataRecord, 1> SpeciesData;

    // Layout code: -1 nothing loaded; 0 Monte Carlo values at one point (McIterationValues);
    // 1 surface water whose Monte Carlo block is not read; 2 a single value (ModelResult);
    // 3 to 17 a grid over the axes X, Y, Z, T present (see LayoutAxes).
    std::int16_t DataType = -1;
    // The count heading the file's Monte Carlo block: the values used are 1..count-1.
    std::int16_t McIterationCount = -1;
    BoundedArray<double, 1> McIterationValues;
    std::string MCCoordX; // coordinates, as text, of the point of the Monte Carlo result
    std::string MCCoordY;
    std::string MCCoordZ;
    std::string MCCoordT;
    // A text containing "Monte" when the file holds a Monte Carlo result, else a single value.
    std::string ModelResult;
    // Source concentration of the current chemical. Groundwater files give concentrations
    // relative to it, and their readers have already multiplied every value by it.
    double InitialConcentration = -1.0;
    double MaximumConcentration = 0.0;
    double AverageConcentration = 0.0;
    // Concentrations of the current chemical, indexed in the order X, Y, Z, T of the axes of
    // DataType; an air data set keeps four indexes even for layout 10 (X-Y-Z).
    torval::ConcentrationGrid ConcentrationGrid;
    std::string TRange; // range texts (from:to:step) as the file gives them
    std::string XRange;
    std::string YRange;
    std::string ZRange;
    BoundedArray<double, 1> XValues; // grid coordinates 1..NumX
    BoundedArray<double, 1> YValues;
    BoundedArray<double, 1> ZValues;
    BoundedArray<double, 1> TValues;
    std::int16_t NumX = -1; // points per axis; -1 when unset
    std::int16_t NumY = -1;
    std::int16_t NumZ = -1;
    std::int16_t NumT = -1;
    std::int16_t MaxNumX = 0; // point counts of the header of a Gaussian air file
    std::int16_t MaxNumY = 0;
    std::int16_t MaxNumZ = 0;
    std::int16_t MaxNumT = 0;
    std::int16_t MaxMcIterationCount = 0; // Monte Carlo count of a Gaussian air file's header
    std::string TimeUnit;
    std::string LengthUnit;
    std::string ConcentrationUnit; // "mg/l" once the data are normalised

    bool operator==(const ModelDataSet&) const = default;
};

} // namespace torval
