#pragma once
// Model data sets with every saved field set and two points per axis, for the analysis file
// tests: every layout, with or without air chemical or groundwater species records.

#include "core/concentration/GridFixtures.h"
#include "datafiles/DataLayout.h"
#include "datafiles/ModelDataSet.h"
#include "shell/Text.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace torval::testing {

// Signs, magnitudes from 1E-09 to 1E+09 and negatives glued in three-dimensional lines; each
// the double nearest a short decimal, which the 15 digits of the file keep exactly.
inline double variedCell(std::size_t n) {
    const int exponent = static_cast<int>(n % 7) * 3 - 9;
    const double value = std::stod(std::to_string(n + 1) + "E" + std::to_string(exponent));
    return n % 3 == 1 ? -value : value;
}

// Every dimension 1..2; in index order (last index fastest) the cells take `cells`, then
// variedCell(n) for the rest.
inline ConcentrationGrid twoPointGrid(std::size_t rank, std::vector<double> cells = {}) {
    for (std::size_t n = cells.size(); n < (std::size_t{1} << rank); ++n) {
        cells.push_back(variedCell(n));
    }
    return gridOf(std::vector<Index>(rank, 2), cells, 1);
}

inline ChemicalDataRecord chemicalRecord(std::int16_t dataType, bool air) {
    ChemicalDataRecord record;
    record.DataType = dataType;
    if (dataType == 0) {
        record.McIterationCount = 3;
        record.McIterationValues = valuesOf({0.25, 0.75, 0}, 1);
        record.AverageConcentration = 0.5;
        record.MaximumConcentration = 0.75;
        record.ModelResult = "Monte Carlo";
    }
    const bool grid =
        air ? dataType == 10 || dataType == 17 : dataType == 11 || dataType == 14 || dataType == 17;
    if (grid) {
        record.AverageConcentration = 0.5;
        record.MaximumConcentration = 2;
        record.ModelResult = "1.25";
        record.ConcentrationGrid = twoPointGrid(air ? 4 : LayoutAxes(dataType).size());
    }
    if (grid && air) { // an air record has axes of its own
        record.NumX = record.NumY = record.NumZ = record.NumT = 2;
        record.XValues = record.ZValues = valuesOf({-1, 1}, 1);
        record.YValues = record.TValues = valuesOf({7, 8E+20}, 1);
    }
    return record;
}

struct Shape {
    std::string model;
    std::int16_t dataType;
    std::vector<std::int16_t> chemicalTypes; // one record per chemical
};

inline ModelDataSet builtSet(const Shape& shape) {
    ModelDataSet data;
    data.DataFileName = "C:\\runs\\plume.dat";
    data.ModelName = shape.model;
    data.SubModelName = "Model A";
    if (lowerCase(trimBlanks(shape.model)) == "groundwater") {
        data.AquiferName = "Sand";
        data.ContaminantName = "TCE";
    }
    data.DataType = shape.dataType;
    data.InitialConcentration = 100;
    data.MaximumConcentration = 2.5;
    data.AverageConcentration = 1.5E-07;
    data.ModelResult = "2.5";
    data.XRange = "0:12.5:12.5";
    data.YRange = "-3:3:6";
    data.NumX = data.NumY = data.NumZ = data.NumT = 2;
    data.MaxNumX = 11, data.MaxNumY = 12, data.MaxNumZ = 13, data.MaxNumT = 14;
    data.MaxMcIterationCount = 15;
    data.MCCoordX = "1", data.MCCoordY = "2", data.MCCoordZ = "3", data.MCCoordT = "4";
    data.LengthUnit = "m", data.TimeUnit = "yr", data.ConcentrationUnit = "mg/l";
    const bool air = contains(shape.model, "Air");
    const std::span<const Axis> layout = LayoutAxes(shape.dataType);
    const std::size_t rank = shape.dataType == 10 && air ? 4 : layout.size();
    if (rank > 0) {
        data.ConcentrationGrid = twoPointGrid(rank);
    }
    // Only the axes some grid lies on are saved.
    std::vector<Axis> used(layout.begin(), layout.end());
    for (const std::int16_t type : shape.chemicalTypes) {
        const auto axes = air ? std::span<const Axis>() : LayoutAxes(type);
        used.insert(used.end(), axes.begin(), axes.end());
    }
    const auto axis = [&](Axis a, const std::vector<double>& values) {
        const bool uses = rank == 4 || std::ranges::count(used, a) > 0;
        return uses ? valuesOf(values, 1) : BoundedArray<double, 1>();
    };
    data.XValues = axis(Axis::X, {0, 12.5});
    data.YValues = axis(Axis::Y, {-3, 3});
    data.ZValues = axis(Axis::Z, {0.001, 100});
    data.TValues = axis(Axis::T, {1, 3.25E-07});
    if (shape.dataType == 0) {
        data.McIterationCount = 3;
        data.McIterationValues = valuesOf({-0.5, 1E-12, 0}, 1);
    }
    if (!shape.chemicalTypes.empty()) {
        const auto count = static_cast<Index>(shape.chemicalTypes.size());
        data.ChemicalCount = data.CurrentChemical = static_cast<std::int16_t>(count);
        data.ChemicalNames.redim({1, count});
        auto& records = air ? data.AirChemicalData : data.SpeciesData;
        records.redim({1, count});
        for (Index i = 1; i <= count; ++i) {
            data.ChemicalNames.at(i) = "Chemical " + std::to_string(i);
            records.at(i) =
                chemicalRecord(shape.chemicalTypes[static_cast<std::size_t>(i - 1)], air);
        }
    }
    return data;
}

} // namespace torval::testing
