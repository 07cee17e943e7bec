#include "concentration/Normalisation.h"

#include "concentration/CellFolds.h"
#include "concentration/GridMax.h"
#include "concentration/UnitTexts.h"
#include "datafiles/AxisFields.h"
#include "datafiles/DataLayout.h"
#include "shell/CheckedArithmetic.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <cstddef>

namespace torval {

namespace {

using CellSelection = ConcentrationGrid::CellSelection;

constexpr std::int16_t MultipleSpeciesMedium = 6;

enum class RecordKind { OwnData, AirChemicals, Species };

enum class Treatment { Untreated, MonteCarloValues, SingleValue, Grid };

struct LayoutTreatment {
    Treatment treatment = Treatment::Untreated;
    std::size_t gridRank = 0;
};

RecordKind recordKindOf(const ModelDataSet& data, std::int16_t mediumCode) {
    const std::string model = lowerCase(data.ModelName);
    if (contains(model, "air")) {
        return RecordKind::AirChemicals;
    }
    if (contains(model, "groundwater") && mediumCode == MultipleSpeciesMedium) {
        return RecordKind::Species;
    }
    return RecordKind::OwnData;
}

std::size_t gridRankOf(RecordKind kind, std::int16_t dataType) {
    switch (kind) {
    case RecordKind::OwnData:
        return LayoutAxes(dataType).size();
    case RecordKind::AirChemicals:
        return dataType == 10 || dataType == 17 ? 4 : 0;
    case RecordKind::Species:
        return dataType == 11 ? 2 : dataType == 14 ? 3 : dataType == 17 ? 4 : 0;
    }
    return 0;
}

LayoutTreatment treatmentOf(RecordKind kind, std::int16_t dataType) {
    if (dataType == 0) {
        return {Treatment::MonteCarloValues};
    }
    if ((dataType == 1 || dataType == 2) && kind != RecordKind::Species) {
        return {Treatment::SingleValue};
    }
    const std::size_t rank = gridRankOf(kind, dataType);
    return rank == 0 ? LayoutTreatment{} : LayoutTreatment{Treatment::Grid, rank};
}

// Calls treat(record, kind) for each record the data set's kind of file has.
template <typename Treat>
void forEachRecord(ModelDataSet& data, std::int16_t mediumCode, Treat&& treat) {
    const RecordKind kind = recordKindOf(data, mediumCode);
    if (kind == RecordKind::OwnData) {
        treat(data, kind);
        return;
    }
    auto& records = kind == RecordKind::AirChemicals ? data.AirChemicalData : data.SpeciesData;
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        treat(records.at(i), kind);
    }
}

// The cells 1..Num of each axis of the record's layout; an air grid of layout 10 adds its
// time axis.
template <typename Record>
CellSelection gridCells(const Record& record, std::size_t rank) {
    CellSelection cells;
    for (const Axis axis : LayoutAxes(record.DataType)) {
        cells.push_back(ConcentrationGrid::indexesUpTo(pointCountOf(record, axis)));
    }
    if (cells.size() < rank) {
        cells.push_back(ConcentrationGrid::indexesUpTo(record.NumT));
    }
    return cells;
}

double averageOf(double sum, std::size_t count) {
    return count == 0 ? 0.0 : checkedDivide(checkedResult(sum), static_cast<double>(count));
}

std::size_t cellCount(const CellSelection& cells) {
    std::size_t count = 1;
    for (const auto& indexes : cells) {
        count *= indexes.size();
    }
    return count;
}

std::int16_t monteCarloValueCount(std::int16_t iterationCount) {
    return iterationCount > 1 ? static_cast<std::int16_t>(iterationCount - 1) : 0;
}

template <typename Record>
double monteCarloAverage(const Record& record) {
    const std::int16_t count = monteCarloValueCount(record.McIterationCount);
    CellSum sum;
    for (std::int16_t i = 1; i <= count; ++i) {
        sum(record.McIterationValues.at(i));
    }
    return averageOf(sum.sum, static_cast<std::size_t>(count));
}

template <typename Record>
double gridAverage(const Record& record, std::size_t rank) {
    const CellSelection cells = gridCells(record, rank);
    return averageOf(record.ConcentrationGrid.forEachCell(cells, CellSum{}).sum, cellCount(cells));
}

template <typename Record>
void averageRecord(Record& record, RecordKind kind) {
    const LayoutTreatment layout = treatmentOf(kind, record.DataType);
    switch (layout.treatment) {
    case Treatment::MonteCarloValues:
        record.AverageConcentration = monteCarloAverage(record);
        break;
    case Treatment::SingleValue:
        record.AverageConcentration = leadingNumber(record.ModelResult);
        break;
    case Treatment::Grid:
        record.AverageConcentration = gridAverage(record, layout.gridRank);
        break;
    case Treatment::Untreated:
        break;
    }
}

template <typename Record>
void scaleMonteCarloValues(Record& record, double factor) {
    const std::int16_t count = monteCarloValueCount(record.McIterationCount);
    for (std::int16_t i = 1; i <= count; ++i) {
        double& value = record.McIterationValues.at(i);
        value = checkedMultiply(value, factor);
    }
    record.MaximumConcentration = GridMax1D(count, record.McIterationValues);
    record.AverageConcentration = monteCarloAverage(record);
}

template <typename Record>
void scaleSingleValue(Record& record, double factor) {
    record.ModelResult = generalText(checkedMultiply(leadingNumber(record.ModelResult), factor));
    record.MaximumConcentration = leadingNumber(record.ModelResult);
    record.AverageConcentration = record.MaximumConcentration;
}

// Scales each cell and folds the scaled value into a maximum and a sum.
struct ScaledCells {
    explicit ScaledCells(double scale) : factor(scale) {}

    double factor;
    CellMaximum maximum;
    CellSum sum;

    void operator()(double& cell) {
        cell *= factor;
        maximum(cell);
        sum(cell);
    }
};

// Scaling, maximum and sum in one pass: grids run to ten million cells, and three passes
// would read them three times. The sum runs in the order gridAverage uses, so the average is
// the one ComputeAverageConcentration gives.
template <typename Record>
void scaleGrid(Record& record, std::size_t rank, double factor) {
    const CellSelection cells = gridCells(record, rank);
    const ScaledCells scaled = record.ConcentrationGrid.forEachCell(cells, ScaledCells{factor});
    record.MaximumConcentration = checkedResult(scaled.maximum.maximum);
    record.AverageConcentration = averageOf(scaled.sum.sum, cellCount(cells));
}

template <typename Record>
void normaliseRecord(Record& record, RecordKind kind, double factor) {
    const LayoutTreatment layout = treatmentOf(kind, record.DataType);
    switch (layout.treatment) {
    case Treatment::MonteCarloValues:
        scaleMonteCarloValues(record, factor);
        break;
    case Treatment::SingleValue:
        scaleSingleValue(record, factor);
        break;
    case Treatment::Grid:
        scaleGrid(record, layout.gridRank, factor);
        break;
    case Treatment::Untreated:
        break;
    }
}

} // namespace

void NormaliseDataSet(ModelDataSet& data, std::int16_t mediumCode) {
    const double factor = ConcentrationUnitFactor(data);
    data.ConcentrationUnit = "mg/l";
    forEachRecord(data, mediumCode, [factor](auto& record, RecordKind kind) {
        normaliseRecord(record, kind, factor);
    });
}

void ComputeAverageConcentration(ModelDataSet& data, std::int16_t mediumCode) {
    forEachRecord(data, mediumCode,
                  [](auto& record, RecordKind kind) { averageRecord(record, kind); });
}

} // namespace torval
