// The Gaussian model gives each chemical either a concentration field over X, Y, Z and T or,
// when its wind speed varies by Monte Carlo, a series of results at one receptor.
#include "datafiles/AirModelBodies.h"
#include "datafiles/SectionFields.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <string>

namespace torval {

namespace {

constexpr std::int16_t TimeVaryingSource = 1;

// "from:to:step" of one axis from its three coordinate numbers.
std::string rangeFromCoordinates(FreeFormatReader& reader) {
    std::string range;
    for (int part = 0; part < 3; ++part) {
        range += (part == 0 ? "" : ":") + trimBlanks(generalText(reader.numberField()));
    }
    return range;
}

void readCoordinates(FreeFormatReader& reader, ChemicalDataRecord& record) {
    expectMarker(reader, "[Coordinate information]");
    record.XRange = rangeFromCoordinates(reader);
    record.YRange = rangeFromCoordinates(reader);
    record.ZRange = rangeFromCoordinates(reader);
    record.TRange = rangeFromCoordinates(reader);
}

// The wind decides between a Monte Carlo series and a grid; a time-varying source gives the
// grid its time axis.
std::int16_t layoutFromWind(FreeFormatReader& reader, std::int16_t sourceType) {
    expectMarker(reader, "[Wind information]");
    reader.textField();
    if (announcesMonteCarlo(reader.textField())) {
        return 0;
    }
    return sourceType == TimeVaryingSource ? 17 : 10;
}

void skipSources(FreeFormatReader& reader) {
    skipFields(reader, 2 * 3);
    expectMarker(reader, "[Point source information]");
    skipFields(reader, 3 + 3 * 2);
    expectMarker(reader, "[Line source information]");
    skipFields(reader, 2 * 2);
}

// The plume-rise lines: each one tells whether the next is there.
void skipPlumeRise(FreeFormatReader& reader) {
    for (const std::string_view announces : {"Ht", "Xf", "U", "Average Tim"}) {
        if (!contains(reader.textField(), announces)) {
            return;
        }
    }
    reader.textField();
}

void readDispersionHeader(FreeFormatReader& reader, ChemicalDataRecord& record) {
    expectMarker(reader, "[Dispersion Source Type]");
    const std::int16_t sourceType = integerField(reader);
    readCoordinates(reader, record);
    record.DataType = layoutFromWind(reader, sourceType);
    skipSources(reader);
    skipPlumeRise(reader);
}

void readGridCounts(FreeFormatReader& reader, ChemicalDataRecord& record) {
    record.NumT = countField(reader);
    record.NumX = countField(reader);
    record.NumY = countField(reader);
    record.NumZ = countField(reader);
}

// Cells come time block by time block, z running fastest.
void readGridValues(FreeFormatReader& reader, ChemicalDataRecord& record) {
    for (std::int16_t t = 1; t <= record.NumT; ++t) {
        for (std::int16_t x = 1; x <= record.NumX; ++x) {
            for (std::int16_t y = 1; y <= record.NumY; ++y) {
                for (std::int16_t z = 1; z <= record.NumZ; ++z) {
                    record.ConcentrationGrid.at(x, y, z, t) = reader.numberField();
                }
            }
        }
    }
}

void readGaussOutput(FreeFormatReader& reader, std::int16_t chemical, ChemicalDataRecord& record) {
    expectMarker(reader, numberedMarker("[Begin Gauss Calculation Output : ", chemical));
    readGridCounts(reader, record);
    reader.requireRoomFor(std::int64_t{record.NumX} * record.NumY * record.NumZ * record.NumT);
    axisForGrid(record.XRange, record.NumX, record.XValues);
    axisForGrid(record.YRange, record.NumY, record.YValues);
    axisForGrid(record.ZRange, record.NumZ, record.ZValues);
    axisForGrid(record.TRange, record.NumT, record.TValues);
    record.ConcentrationGrid.redim({0, record.NumX}, {0, record.NumY}, {0, record.NumZ},
                                   {0, record.NumT});
    readGridValues(reader, record);
}

void readMonteCarloResult(FreeFormatReader& reader, std::int16_t chemical, ModelDataSet& data,
                          ChemicalDataRecord& record) {
    expectMarker(reader, numberedMarker("[Begin Monte Carlo Result Values : ", chemical));
    requireMonteCarloCount(data.MaxMcIterationCount);
    data.McIterationCount = record.McIterationCount = data.MaxMcIterationCount;
    readMonteCarloValues(reader, data.MaxMcIterationCount, data.MaxMcIterationCount,
                         record.McIterationValues);
}

void readGaussianChemical(FreeFormatReader& reader, std::int16_t chemical, ModelDataSet& data) {
    ChemicalDataRecord& record = data.AirChemicalData.at(chemical);
    expectMarker(reader, numberedMarker("[Begin Chemical ", chemical));
    readDispersionHeader(reader, record);
    skipEmissionBlock(reader);
    if (record.DataType == 0) {
        readMonteCarloResult(reader, chemical, data, record);
    } else {
        readGaussOutput(reader, chemical, record);
    }
    expectMarker(reader, numberedMarker("[End Chemical ", chemical));
}

void readLimits(FreeFormatReader& reader, ModelDataSet& data) {
    integerField(reader);
    skipFields(reader, 2);
    data.MaxMcIterationCount = countField(reader);
    data.MaxNumX = countField(reader);
    data.MaxNumY = countField(reader);
    data.MaxNumZ = countField(reader);
    data.MaxNumT = countField(reader);
}

} // namespace

void readGaussianModelBody(FreeFormatReader& reader, ModelDataSet& data) {
    readLimits(reader, data);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        readGaussianChemical(reader, i, data);
    }
}

} // namespace torval
