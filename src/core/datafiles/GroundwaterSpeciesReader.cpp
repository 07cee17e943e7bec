#include "datafiles/GroundwaterSpeciesReader.h"

#include "datafiles/GroundwaterBlocks.h"
#include "datafiles/GroundwaterGrids.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <string>

namespace torval {

namespace {

using namespace groundwater;

ChemicalDataRecord& species(ModelDataSet& data, std::int16_t index) {
    return data.SpeciesData.at(index);
}

// A file without a "chemical number:" line has the one species of the reset data set.
void readSpeciesCount(FreeFormatReader& reader, ModelDataSet& data) {
    const std::string line = reader.line();
    if (contains(lowerCase(line), "chemical number:")) {
        data.ChemicalCount = countOfText(line);
    }
    const std::int16_t count = checkedCount(data.ChemicalCount);
    // Each species has at least five lines further on (name, three parameters, source), six
    // bytes or more, before any record is made.
    reader.requireRoomFor(3 * static_cast<std::int64_t>(count));
    data.ChemicalNames.redim({0, count});
    data.SpeciesData.redim({0, count});
}

void readSpeciesNames(FreeFormatReader& reader, ModelDataSet& data) {
    reader.skipLines(1);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        data.ChemicalNames.at(i) = reader.line();
    }
}

// Three tables of one line per species (decay, retardation and yield in the models' files),
// each behind its heading; none of it is kept.
void skipSpeciesParameters(FreeFormatReader& reader, std::int16_t count) {
    reader.skipLines(1);
    reader.skipLines(count);
    reader.skipLines(1);
    reader.skipLines(count);
    reader.skipLines(2);
    reader.skipLines(count);
    reader.skipLines(1);
}

void readSourceConcentrations(FreeFormatReader& reader, ModelDataSet& data) {
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        species(data, i).InitialConcentration = toDouble(reader.line());
    }
    data.InitialConcentration = species(data, 1).InitialConcentration;
    reader.skipLines(1);
}

// What stands between a species body's parameter lines and its result, the same in every
// species body.
void readSpeciesTables(FreeFormatReader& reader, ModelDataSet& data) {
    readSpeciesCount(reader, data);
    readSpeciesNames(reader, data);
    skipSpeciesParameters(reader, data.ChemicalCount);
    readSourceConcentrations(reader, data);
}

void readSpeciesMonteCarlo(FreeFormatReader& reader, ModelDataSet& data) {
    data.DataType = 0;
    const std::int16_t count = checkedCount(reader.countOfLine());
    data.McIterationCount = count;
    const auto values = static_cast<std::int16_t>(count - 1);
    reader.requireRoomFor(valueCount({data.ChemicalCount, values}));
    sizeSeries(data.McIterationValues, values);
    for (std::int16_t s = 1; s <= data.ChemicalCount; ++s) {
        ChemicalDataRecord& record = species(data, s);
        record.DataType = 0;
        record.McIterationCount = count;
        sizeSeries(record.McIterationValues, values);
        reader.skipLines(1);
        readSeries(reader, record.McIterationValues, values);
    }
}

void readSpeciesGrids(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout) {
    data.DataType = layout;
    const GridShape shape = readGridShape(reader, layout);
    reader.requireRoomFor(valueCount({valuesPerGrid(layout, shape), data.ChemicalCount}));
    sizeAxes(data, shape);
    sizeGrid(data.ConcentrationGrid, layout, shape);
    for (std::int16_t s = 1; s <= data.ChemicalCount; ++s) {
        species(data, s).DataType = layout;
        sizeGrid(species(data, s).ConcentrationGrid, layout, shape);
    }
    readGridHeading(reader, data, layout);
    for (std::int16_t s = 1; s <= data.ChemicalCount; ++s) {
        readGridValues(reader, data, layout, species(data, s).ConcentrationGrid, 1.0);
    }
}

void describeSpecies(ModelDataSet& data) {
    for (std::int16_t s = 1; s <= data.ChemicalCount; ++s) {
        ChemicalDataRecord& record = species(data, s);
        record.XRange = data.XRange;
        record.YRange = data.YRange;
        record.ZRange = data.ZRange;
        record.TRange = data.TRange;
        record.NumX = data.NumX;
        record.NumY = data.NumY;
        record.NumZ = data.NumZ;
        record.NumT = data.NumT;
        record.ModelResult = data.ModelResult;
    }
}

void readSpeciesResultPart(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout) {
    readResultPart(
        reader, data, [&] { readSpeciesMonteCarlo(reader, data); },
        [&] { readSpeciesGrids(reader, data, layout); });
    describeSpecies(data);
    reader.skipLines(2);
}

} // namespace

// The bodies are laid out as the single-species ones (see BodyLayout), the species tables
// standing where a single-species file has its source block.
void ReadSpeciesBody(ModelDataSet& data, FreeFormatReader& reader) {
    const BodyLayout* body = bodyLayoutOf(data.SubModelName);
    if (body == nullptr) {
        return;
    }
    readBodyHead(reader, data, *body, SpeciesCount::Multiple);
    readSpeciesTables(reader, data);
    readSpeciesResultPart(reader, data, body->resultLayout);
}

} // namespace torval
