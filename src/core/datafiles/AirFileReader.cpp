#include "datafiles/AirFileReader.h"

#include "datafiles/AirModelBodies.h"
#include "datafiles/SectionFields.h"
#include "shell/ErrorReport.h"
#include "shell/RunTimeError.h"

#include <array>
#include <exception>

namespace torval {

namespace {

constexpr std::string_view AirFileVersion = "Version 2.0";
constexpr int NoChemicals = 776;

// Each chemical brings at least its name line and a property block whose two markers alone
// take 30 bytes, the room of 15 values: a count of chemicals the rest of the file cannot hold
// is refused before the records (each far larger than that) are sized from it.
constexpr std::int64_t ValuesRoomPerChemical = 15;

// Air concentrations are given per cubic metre: "m" and the superscript three (byte 179).
const std::string PerCubicMetre = std::string("/m") + '\xB3';

void checkVersion(FreeFormatReader& reader) {
    expectMarker(reader, AirFileVersion);
}

std::string modelName(FreeFormatReader& reader) {
    const std::string name = reader.textField();
    constexpr std::array Known{BoxModelName, GaussianModelName, IndoorAirModelName};
    for (const std::string_view known : Known) {
        if (name == known) {
            return name;
        }
    }
    throw RunTimeError(ErrorCode::InputPastEndOfFile, "unknown air model \"" + name + "\"");
}

void readModelChemicals(FreeFormatReader& reader, ModelDataSet& data) {
    const std::int16_t count = countField(reader);
    if (count == 0) {
        throw RunTimeError(NoChemicals, "an air file without chemicals");
    }
    reader.requireRoomFor(count * ValuesRoomPerChemical);
    data.ChemicalNames.redim({0, count});
    expectMarker(reader, "[Begin Model Chemicals]");
    for (std::int16_t i = 1; i <= count; ++i) {
        data.ChemicalNames.at(i) = reader.line();
    }
    expectMarker(reader, "[End Model Chemicals]");
    data.ChemicalCount = count;
    data.CurrentChemical = 1;
    data.AirChemicalData.redim({0, count});
}

// The physical properties of one chemical, for the models' own use. The short form ends after
// ten fields; in the long one a field stands where the end marker would, and four more follow.
void skipChemicalProperties(FreeFormatReader& reader) {
    expectMarker(reader, "[Begin Chemical]");
    reader.line();
    skipFields(reader, 10);
    if (reader.textField() == "[End Chemical]") {
        return;
    }
    skipFields(reader, 4);
    expectMarker(reader, "[End Chemical]");
}

void readBody(FreeFormatReader& reader, ModelDataSet& data) {
    if (data.SubModelName == BoxModelName) {
        readBoxModelBody(reader, data);
    } else if (data.SubModelName == GaussianModelName) {
        readGaussianModelBody(reader, data);
    } else {
        readIndoorAirModelBody(reader, data);
    }
}

void setUnits(ModelDataSet& data) {
    if (data.SubModelName == BoxModelName) {
        data.ConcentrationUnit = "mg" + PerCubicMetre;
        data.LengthUnit.clear();
        data.TimeUnit.clear();
    } else {
        data.ConcentrationUnit =
            (data.SubModelName == GaussianModelName ? "mg" : "g") + PerCubicMetre;
        data.LengthUnit = "meters";
        data.TimeUnit = "sec";
    }
}

} // namespace

void ReadAirData(FreeFormatReader& reader, ModelDataSet& data) {
    checkVersion(reader);
    data.SubModelName = modelName(reader);
    readModelChemicals(reader, data);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        skipChemicalProperties(reader);
    }
    readBody(reader, data);
    setUnits(data);
}

bool ReadAirDataFile(AppState& state, Prompter& prompter, FreeFormatReader& reader,
                     std::string_view path) {
    prompter.setBusy(true);
    try {
        ReadAirData(reader, state.modelData);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
    prompter.setBusy(false);
    return true;
}

bool ReadAirDataFile(AppState& state, Prompter& prompter, const std::string& path) {
    prompter.setBusy(true);
    try {
        FreeFormatReader reader = FreeFormatReader::fromFile(path);
        return ReadAirDataFile(state, prompter, reader, path);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
}

} // namespace torval
