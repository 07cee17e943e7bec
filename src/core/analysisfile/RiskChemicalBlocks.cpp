#include "analysisfile/RiskChemicalBlocks.h"

#include "analysisfile/RiskFileLines.h"
#include "analysisfile/RiskGridBlocks.h"
#include "analysisfile/RiskSectionReading.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <array>
#include <string_view>

namespace torval {

namespace {

constexpr std::string_view ChemicalNameLabel = "Chemical Name: ";
constexpr std::string_view DataTypeLabel = "Data Type: ";
constexpr std::string_view IterationsLabel = "Number of Monte Carlo Iterations: ";
constexpr std::string_view AverageLabel = "Average Concentration: ";
constexpr std::string_view MaximumLabel = "Maximum Concentration: ";
constexpr std::string_view ResultLabel = "Result: ";
constexpr std::array<std::string_view, 4> RangeCountLabels{
    "Number of X Range: ", "Number of Y Range: ", "Number of Z Range: ", "Number of T Range: "};
constexpr std::array<std::string_view, 4> PointCountLabels{
    "Number of X Points: ", "Number of Y Points: ", "Number of Z Points: ", "Number of T Points: "};

bool isAirGridLayout(std::int16_t dataType) {
    return dataType == 10 || dataType == 17;
}

bool isSpeciesGridLayout(std::int16_t dataType) {
    return dataType == 11 || dataType == 14 || dataType == 17;
}

void writeCount(std::string& out, std::string_view label, std::int16_t count) {
    appendLabelled(out, label, std::to_string(count));
}

void writeSummary(std::string& out, const ChemicalDataRecord& record, std::string_view result) {
    appendLabelled(out, AverageLabel, generalText(record.AverageConcentration));
    appendLabelled(out, MaximumLabel, generalText(record.MaximumConcentration));
    appendLabelled(out, ResultLabel, result);
}

void readSummary(FreeFormatReader& in, ChemicalDataRecord& record) {
    record.AverageConcentration = labelledNumber(in, AverageLabel);
    record.MaximumConcentration = labelledNumber(in, MaximumLabel);
    record.ModelResult = labelledText(in, ResultLabel);
}

void writeMonteCarloRecord(std::string& out, const ChemicalDataRecord& record) {
    writeCount(out, IterationsLabel, record.McIterationCount);
    writeSummary(out, record, record.ModelResult);
    WriteValueLines(out, record.McIterationValues, record.McIterationCount);
}

void readMonteCarloRecord(FreeFormatReader& in, ChemicalDataRecord& record) {
    record.McIterationCount = labelledCount(in, IterationsLabel);
    readSummary(in, record);
    ReadValueLines(in, record.McIterationValues, record.McIterationCount);
}

// The chemical's name and layout open both kinds of block.
void writeHeading(std::string& out, std::string_view name, std::int16_t dataType) {
    appendLabelled(out, ChemicalNameLabel, name);
    writeCount(out, DataTypeLabel, dataType);
    appendLine(out, "");
}

std::int16_t readHeading(FreeFormatReader& in, ModelDataSet& data, std::int16_t index) {
    data.ChemicalNames.at(index) = labelledText(in, ChemicalNameLabel);
    return labelledCount(in, DataTypeLabel);
}

// The range texts of an air record are not kept: its point counts stand twice, under the
// range labels and under the point labels.
void writeAirGridRecord(std::string& out, const ChemicalDataRecord& record) {
    const std::array<std::int16_t, 4> counts{record.NumX, record.NumY, record.NumZ, record.NumT};
    for (const auto& labels : {RangeCountLabels, PointCountLabels}) {
        for (std::size_t a = 0; a < counts.size(); ++a) {
            writeCount(out, labels[a], counts[a]);
        }
    }
    writeSummary(out, record, trimBlanks(record.ModelResult));
    WriteGridBlock(out, gridAxesOf(record, AllAxes), record.ConcentrationGrid);
}

void readAirGridRecord(FreeFormatReader& in, ChemicalDataRecord& record) {
    for (const std::string_view label : RangeCountLabels) {
        labelledCount(in, label);
    }
    record.NumX = labelledCount(in, PointCountLabels[0]);
    record.NumY = labelledCount(in, PointCountLabels[1]);
    record.NumZ = labelledCount(in, PointCountLabels[2]);
    record.NumT = labelledCount(in, PointCountLabels[3]);
    readSummary(in, record);
    ReadGridBlock(in, gridAxesOf(record, AllAxes), record.ConcentrationGrid);
}

// The names, and the records of one kind, addressed 1..ChemicalCount.
void sizeChemicals(const FreeFormatReader& in, ModelDataSet& data,
                   BoundedArray<ChemicalDataRecord, 1>& records) {
    if (data.ChemicalCount < 1) {
        data.ChemicalNames.erase();
        records.erase();
        return;
    }
    in.requireRoomFor(data.ChemicalCount);
    data.ChemicalNames.redim({1, data.ChemicalCount});
    records.redim({1, data.ChemicalCount});
}

} // namespace

void WriteAirChemicalBlocks(std::string& out, const ModelDataSet& data) {
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        const ChemicalDataRecord& record = data.AirChemicalData.at(i);
        writeHeading(out, trimBlanks(data.ChemicalNames.at(i)), record.DataType);
        if (record.DataType == 0) {
            writeMonteCarloRecord(out, record);
        } else if (isAirGridLayout(record.DataType)) {
            writeAirGridRecord(out, record);
        }
        appendLine(out, "");
        appendLine(out, "");
    }
}

void ReadAirChemicalBlocks(FreeFormatReader& in, ModelDataSet& data) {
    sizeChemicals(in, data, data.AirChemicalData);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        ChemicalDataRecord& record = data.AirChemicalData.at(i);
        record.DataType = readHeading(in, data, i);
        if (record.DataType == 0) {
            readMonteCarloRecord(in, record);
        } else if (isAirGridLayout(record.DataType)) {
            readAirGridRecord(in, record);
        }
    }
}

void WriteSpeciesBlocks(std::string& out, const ModelDataSet& data) {
    appendLabelled(out, "Current Chemical: ", std::to_string(data.CurrentChemical));
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        const ChemicalDataRecord& record = data.SpeciesData.at(i);
        writeHeading(out, data.ChemicalNames.at(i), record.DataType);
        if (record.DataType == 0) {
            writeMonteCarloRecord(out, record);
        } else if (isSpeciesGridLayout(record.DataType)) {
            writeSummary(out, record, trimBlanks(record.ModelResult));
            WriteGridBlock(out, gridAxesOf(data, LayoutAxes(record.DataType)),
                           record.ConcentrationGrid);
        }
        appendLine(out, "");
        appendLine(out, "");
    }
}

void ReadSpeciesBlocks(FreeFormatReader& in, ModelDataSet& data) {
    data.CurrentChemical = labelledCount(in, "Current Chemical: ");
    sizeChemicals(in, data, data.SpeciesData);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        ChemicalDataRecord& record = data.SpeciesData.at(i);
        record.DataType = readHeading(in, data, i);
        if (record.DataType == 0) {
            readMonteCarloRecord(in, record);
        } else if (isSpeciesGridLayout(record.DataType)) {
            readSummary(in, record);
            ReadGridBlock(in, gridAxesOf(data, LayoutAxes(record.DataType)),
                          record.ConcentrationGrid);
        }
    }
}

} // namespace torval
