#include "analysisfile/RiskModelDataSection.h"

#include "analysisfile/RiskChemicalBlocks.h"
#include "analysisfile/RiskFileLines.h"
#include "analysisfile/RiskGridBlocks.h"
#include "analysisfile/RiskSectionReading.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace torval {

namespace {

constexpr std::string_view BeginMarker = "[Begin PLUMEX Data]";
constexpr std::string_view EndMarker = "[End PLUMEX Data]";
constexpr std::string_view IterationsLabel = "Number of Monte Carlo Iterations: ";

// Labelled header fields by kind, in file order within their group. The groups are
// interleaved with blank lines and markers, so each is walked where it stands.
template <typename Field>
struct Labelled {
    std::string_view label;
    Field ModelDataSet::*field;
};

using TextField = Labelled<std::string>;
using CountField = Labelled<std::int16_t>;
using NumberField = Labelled<double>;

constexpr std::array<TextField, 4> ModelFields{{{"Data File Name: ", &ModelDataSet::DataFileName},
                                                {"Model: ", &ModelDataSet::ModelName},
                                                {"SubModel: ", &ModelDataSet::SubModelName},
                                                {"subtype: ", &ModelDataSet::SubTypeName}}};
constexpr std::array<TextField, 2> GroundwaterFields{
    {{"Aquifer: ", &ModelDataSet::AquiferName}, {"Contaminant: ", &ModelDataSet::ContaminantName}}};
constexpr std::array<CountField, 3> LayoutFields{
    {{"Chemincal Num: ", &ModelDataSet::ChemicalCount},
     {"Current Chemincal: ", &ModelDataSet::CurrentChemical},
     {"Data Type: ", &ModelDataSet::DataType}}};
constexpr std::array<NumberField, 3> ConcentrationFields{
    {{"Initial Concentration: ", &ModelDataSet::InitialConcentration},
     {"Maximum Concentration: ", &ModelDataSet::MaximumConcentration},
     {"Average Concentration: ", &ModelDataSet::AverageConcentration}}};
constexpr std::array<TextField, 1> ResultFields{{{"Result: ", &ModelDataSet::ModelResult}}};
constexpr std::array<TextField, 4> RangeFields{{{"X Range: ", &ModelDataSet::XRange},
                                                {"Y Range: ", &ModelDataSet::YRange},
                                                {"Z Range: ", &ModelDataSet::ZRange},
                                                {"T Range: ", &ModelDataSet::TRange}}};
// The Monte Carlo count of a Gaussian air file's header goes under the label of the maximum
// time points a second time.
constexpr std::array<CountField, 9> PointCountFields{
    {{"Number of X Points: ", &ModelDataSet::NumX},
     {"Number of Y Points: ", &ModelDataSet::NumY},
     {"Number of Z Points: ", &ModelDataSet::NumZ},
     {"Number of T Points: ", &ModelDataSet::NumT},
     {"Max Number of X Points: ", &ModelDataSet::MaxNumX},
     {"Max Number of Y Points: ", &ModelDataSet::MaxNumY},
     {"Max Number of Z Points: ", &ModelDataSet::MaxNumZ},
     {"Max Number of T Points: ", &ModelDataSet::MaxNumT},
     {"Max Number of T Points: ", &ModelDataSet::MaxMcIterationCount}}};
constexpr std::array<TextField, 4> CoordinateFields{
    {{"X Coordinate for MC: ", &ModelDataSet::MCCoordX},
     {"Y Coordinate for MC: ", &ModelDataSet::MCCoordY},
     {"Z Coordinate for MC: ", &ModelDataSet::MCCoordZ},
     {"T Coordinate for MC: ", &ModelDataSet::MCCoordT}}};
constexpr std::array<TextField, 3> UnitFields{
    {{"Length: ", &ModelDataSet::LengthUnit},
     {"Time: ", &ModelDataSet::TimeUnit},
     {"Concentration: ", &ModelDataSet::ConcentrationUnit}}};

std::string textOf(const std::string& value) {
    return value;
}

std::string textOf(std::int16_t value) {
    return std::to_string(value);
}

std::string textOf(double value) {
    return generalText(value);
}

void readInto(FreeFormatReader& in, const TextField& f, ModelDataSet& data) {
    data.*f.field = labelledText(in, f.label);
}

void readInto(FreeFormatReader& in, const CountField& f, ModelDataSet& data) {
    data.*f.field = labelledCount(in, f.label);
}

void readInto(FreeFormatReader& in, const NumberField& f, ModelDataSet& data) {
    data.*f.field = labelledNumber(in, f.label);
}

template <typename Fields>
void writeFields(std::string& out, const Fields& fields, const ModelDataSet& data) {
    for (const auto& f : fields) {
        appendLabelled(out, f.label, textOf(data.*f.field));
    }
}

template <typename Fields>
void readFields(FreeFormatReader& in, const Fields& fields, ModelDataSet& data) {
    for (const auto& f : fields) {
        readInto(in, f, data);
    }
}

// The model name decides the optional parts; leading and trailing blanks do not count, as the
// reader gets the name trimmed.
std::string modelOf(const ModelDataSet& data) {
    return lowerCase(trimBlanks(data.ModelName));
}

bool isAir(const ModelDataSet& data) {
    return contains(modelOf(data), "air");
}

bool hasGroundwaterFields(const ModelDataSet& data) {
    return modelOf(data) == "groundwater";
}

bool hasSpeciesBlocks(const ModelDataSet& data) {
    return contains(modelOf(data), "groundwater") && data.ChemicalCount >= 2;
}

// An air data set keeps a time index on its X-Y-Z grid.
std::span<const Axis> gridLayoutOf(const ModelDataSet& data) {
    if (data.DataType == 10 && isAir(data)) {
        return AllAxes;
    }
    return LayoutAxes(data.DataType);
}

void writeIdentity(std::string& out, const ModelDataSet& data) {
    writeFields(out, ModelFields, data);
    if (hasGroundwaterFields(data)) {
        writeFields(out, GroundwaterFields, data);
    }
    writeFields(out, LayoutFields, data);
}

void readIdentity(FreeFormatReader& in, ModelDataSet& data) {
    readFields(in, ModelFields, data);
    if (hasGroundwaterFields(data)) {
        readFields(in, GroundwaterFields, data);
    }
    readFields(in, LayoutFields, data);
}

void writeSavedFields(std::string& out, const ModelDataSet& data) {
    writeFields(out, ConcentrationFields, data);
    writeFields(out, ResultFields, data);
    appendLine(out, "");
    writeFields(out, RangeFields, data);
    writeFields(out, PointCountFields, data);
    writeFields(out, CoordinateFields, data);
    appendLine(out, "");
    appendLine(out, "Units");
    writeFields(out, UnitFields, data);
    appendLine(out, "");
}

void readSavedFields(FreeFormatReader& in, ModelDataSet& data) {
    readFields(in, ConcentrationFields, data);
    readFields(in, ResultFields, data);
    readFields(in, RangeFields, data);
    readFields(in, PointCountFields, data);
    readFields(in, CoordinateFields, data);
    expectRiskMarker(in, "Units");
    readFields(in, UnitFields, data);
}

void writeData(std::string& out, const ModelDataSet& data) {
    if (data.DataType == 0) {
        appendLabelled(out, IterationsLabel, std::to_string(data.McIterationCount));
        WriteValueLines(out, data.McIterationValues, data.McIterationCount);
        return;
    }
    WriteGridBlock(out, gridAxesOf(data, gridLayoutOf(data)), data.ConcentrationGrid);
}

void readData(FreeFormatReader& in, ModelDataSet& data) {
    if (data.DataType == 0) {
        data.McIterationCount = labelledCount(in, IterationsLabel);
        ReadValueLines(in, data.McIterationValues, data.McIterationCount);
        return;
    }
    ReadGridBlock(in, gridAxesOf(data, gridLayoutOf(data)), data.ConcentrationGrid);
}

void writeEnd(std::string& out) {
    appendLine(out, EndMarker);
    appendLine(out, "");
}

// The blank line after the marker is left, as any blank line, to be skipped before the next
// section's marker: an editor that dropped it leaves a file that still reads.
void readEnd(FreeFormatReader& in) {
    expectRiskMarker(in, EndMarker);
}

} // namespace

void WriteModelDataSection(std::string& out, const ModelDataSet& data, bool modelDataUsed) {
    appendLine(out, BeginMarker);
    writeIdentity(out, data);
    if (modelDataUsed) {
        writeSavedFields(out, data);
        writeData(out, data);
        if (isAir(data)) {
            WriteAirChemicalBlocks(out, data);
        }
        if (hasSpeciesBlocks(data)) {
            WriteSpeciesBlocks(out, data);
        }
    }
    writeEnd(out);
}

void ReadModelDataSection(FreeFormatReader& in, ModelDataSet& data, bool modelDataUsed) {
    expectRiskMarker(in, BeginMarker);
    readIdentity(in, data);
    if (modelDataUsed) {
        readSavedFields(in, data);
        readData(in, data);
        if (isAir(data)) {
            ReadAirChemicalBlocks(in, data);
        }
        if (hasSpeciesBlocks(data)) {
            ReadSpeciesBlocks(in, data);
        }
    }
    readEnd(in);
}

} // namespace torval
