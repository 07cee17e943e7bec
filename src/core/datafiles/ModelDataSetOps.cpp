#include "datafiles/ModelDataSetOps.h"

#include "datafiles/RangeTexts.h"
#include "shell/CheckedArithmetic.h"
#include "shell/RunTimeError.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>

namespace torval {

namespace {

using Index = ConcentrationGrid::Index;

void copyAxis(const BoundedArray<double, 1>& source, std::int16_t count,
              BoundedArray<double, 1>& target) {
    BoundedArray<double, 1> fresh;
    fresh.redim({0, count});
    for (Index i = 1; i <= count; ++i) {
        fresh.at(i) = source.at(i);
    }
    target = std::move(fresh);
}

void copyMonteCarloValues(const ChemicalDataRecord& record, ModelDataSet& data) {
    copyAxis(record.McIterationValues, static_cast<std::int16_t>(record.McIterationCount - 1),
             data.McIterationValues);
}

// The target grid is sized from 0 in each dimension, as the readers size grids, and only the
// cells from index 1 are copied.
void copyGrid(const ConcentrationGrid& source, const ConcentrationGrid::CellSelection& cells,
              ConcentrationGrid& target) {
    ConcentrationGrid fresh;
    const auto upper = [&cells](std::size_t d) -> ConcentrationGrid::Bounds {
        return {0, static_cast<Index>(cells[d].size())};
    };
    switch (cells.size()) {
    case 1:
        fresh.redim(upper(0));
        break;
    case 2:
        fresh.redim(upper(0), upper(1));
        break;
    case 3:
        fresh.redim(upper(0), upper(1), upper(2));
        break;
    default:
        fresh.redim(upper(0), upper(1), upper(2), upper(3));
        break;
    }
    fresh.copyCells(source, cells);
    target = std::move(fresh);
}

void copyAirArrays(const ChemicalDataRecord& record, ModelDataSet& data) {
    copyAxis(record.XValues, data.NumX, data.XValues);
    copyAxis(record.YValues, data.NumY, data.YValues);
    copyAxis(record.ZValues, data.NumZ, data.ZValues);
    copyAxis(record.TValues, data.NumT, data.TValues);
    copyGrid(record.ConcentrationGrid,
             {ConcentrationGrid::indexesUpTo(data.NumX), ConcentrationGrid::indexesUpTo(data.NumY),
              ConcentrationGrid::indexesUpTo(data.NumZ), ConcentrationGrid::indexesUpTo(data.NumT)},
             data.ConcentrationGrid);
}

void copySpeciesGrid(const ChemicalDataRecord& record, ModelDataSet& data) {
    const ConcentrationGrid& grid = record.ConcentrationGrid;
    ConcentrationGrid::CellSelection cells;
    for (std::size_t d = 1; d <= grid.rank(); ++d) {
        cells.push_back(ConcentrationGrid::indexesUpTo(grid.upper(d)));
    }
    if (cells.empty()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange, "species record without a grid");
    }
    copyGrid(grid, cells, data.ConcentrationGrid);
}

const ChemicalDataRecord& recordOf(const BoundedArray<ChemicalDataRecord, 1>& records,
                                   std::int16_t index, std::int16_t chemicalCount) {
    if (index < 1 || index > chemicalCount) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange, "no such chemical");
    }
    return records.at(index);
}

void copyLayout(const ChemicalDataRecord& record, ModelDataSet& data) {
    data.DataType = record.DataType;
    data.McIterationCount = record.McIterationCount;
}

void copyAxesDescription(const ChemicalDataRecord& record, ModelDataSet& data) {
    data.XRange = record.XRange;
    data.YRange = record.YRange;
    data.ZRange = record.ZRange;
    data.TRange = record.TRange;
    data.NumX = record.NumX;
    data.NumY = record.NumY;
    data.NumZ = record.NumZ;
    data.NumT = record.NumT;
}

void copyResults(const ChemicalDataRecord& record, ModelDataSet& data) {
    data.ModelResult = record.ModelResult;
    data.MaximumConcentration = record.MaximumConcentration;
    data.AverageConcentration = record.AverageConcentration;
}

} // namespace

void ResetModelDataSet(ModelDataSet& data) {
    for (std::string* text :
         {&data.SubModelName, &data.SubTypeName, &data.AquiferName, &data.ContaminantName,
          &data.ModelResult, &data.TRange, &data.XRange, &data.YRange, &data.ZRange, &data.MCCoordX,
          &data.MCCoordY, &data.MCCoordZ, &data.MCCoordT, &data.TimeUnit, &data.LengthUnit,
          &data.ConcentrationUnit}) {
        text->clear();
    }
    data.DataType = -1;
    data.McIterationCount = -1;
    data.NumX = data.NumY = data.NumZ = data.NumT = -1;
    data.InitialConcentration = -1.0;
    data.ChemicalCount = 1;
}

void SelectAirChemical(ModelDataSet& data, std::int16_t index) {
    const ChemicalDataRecord& record = recordOf(data.AirChemicalData, index, data.ChemicalCount);
    copyLayout(record, data);
    copyAxesDescription(record, data);
    if (record.DataType == 0) {
        copyMonteCarloValues(record, data);
    } else if (record.DataType == 10 || record.DataType == 17) {
        copyAirArrays(record, data);
    }
    copyResults(record, data);
}

void SelectSpecies(ModelDataSet& data, std::int16_t index) {
    const ChemicalDataRecord& record = recordOf(data.SpeciesData, index, data.ChemicalCount);
    copyLayout(record, data);
    if (record.DataType == 0) {
        copyMonteCarloValues(record, data);
    } else if (record.DataType >= 3 && record.DataType <= 17) {
        copySpeciesGrid(record, data);
    }
    copyResults(record, data);
}

void AxisValuesFromRange(std::string_view rangeText, BoundedArray<double, 1>& values) {
    const RangeText range = ParseRangeText(rangeText);
    BoundedArray<double, 1> fresh;
    fresh.redim({0, range.count});
    for (Index i = 1; i <= range.count; ++i) {
        fresh.at(i) = checkedResult(range.from + static_cast<double>(i - 1) * range.step);
    }
    values = std::move(fresh);
}

} // namespace torval
