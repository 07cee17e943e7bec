#include "datafiles/SurfaceWaterFileReader.h"

#include "datafiles/AxisFields.h"
#include "datafiles/SectionFields.h"
#include "datafiles/SurfaceWaterBodies.h"
#include "shell/ErrorReport.h"

#include <exception>
#include <string>

namespace torval {

namespace {

// Surface-water concentrations are given in kilograms per cubic metre: "kg/m" and the
// superscript three (byte 179).
const std::string KilogramsPerCubicMetre = std::string("kg/m") + '\xB3';

void readHeader(FreeFormatReader& reader, ModelDataSet& data) {
    reader.textField();
    expectMarker(reader, "[Begin Surface Model Data File]");
    data.SubModelName = reader.textField();
    data.SubTypeName = reader.textField();
}

bool readBody(FreeFormatReader& reader, ModelDataSet& data) {
    if (data.SubModelName == NearFieldModelName) {
        return readNearFieldBody(reader, data);
    }
    if (data.SubModelName == FarFieldModelName) {
        return readFarFieldBody(reader, data);
    }
    if (data.SubModelName == SedimentModelName) {
        return readSedimentBody(reader, data);
    }
    return false;
}

void setUnits(ModelDataSet& data) {
    data.ConcentrationUnit = KilogramsPerCubicMetre;
    const bool nearField = data.SubModelName == NearFieldModelName;
    data.LengthUnit = nearField ? "" : "m";
    data.TimeUnit = nearField ? "" : "sec";
}

void buildAxes(ModelDataSet& data) {
    for (const Axis axis : LayoutAxes(data.DataType)) {
        axisForGrid(rangeTextOf(data, axis), pointCountOf(data, axis), axisValuesOf(data, axis));
    }
}

void warnUnrecognised(Prompter& prompter) {
    prompter.show(Message{.text = "Not recognizable datafile of surface watre!",
                          .title = "Warning",
                          .icon = MessageIcon::Critical});
}

} // namespace

bool ReadSurfaceWaterData(FreeFormatReader& reader, ModelDataSet& data) {
    readHeader(reader, data);
    if (!readBody(reader, data)) {
        return false;
    }
    buildAxes(data);
    setUnits(data);
    return true;
}

bool ReadSurfaceWaterFile(AppState& state, Prompter& prompter, FreeFormatReader& reader,
                          std::string_view path) {
    prompter.setBusy(true);
    try {
        if (!ReadSurfaceWaterData(reader, state.modelData)) {
            warnUnrecognised(prompter);
        }
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
    prompter.setBusy(false);
    return true;
}

bool ReadSurfaceWaterFile(AppState& state, Prompter& prompter, const std::string& path) {
    prompter.setBusy(true);
    try {
        FreeFormatReader reader = FreeFormatReader::fromFile(path);
        return ReadSurfaceWaterFile(state, prompter, reader, path);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
}

} // namespace torval
