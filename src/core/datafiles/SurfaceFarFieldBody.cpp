// Far-field mixing: the spread of a discharge through a river, an estuary, a lake or the sea.
// Each sub type gives its parameters (among them the ranges of its axes) and its result,
// followed by the regular output over those axes unless the result is a Monte Carlo series.
#include "datafiles/SectionFields.h"
#include "datafiles/SurfaceWaterBodies.h"
#include "shell/NumberText.h"

#include <array>
#include <string>

namespace torval {

namespace {

void readConcentrationFirst(FreeFormatReader& reader, ModelDataSet& data) {
    data.InitialConcentration = reader.numberField();
    reader.textField();
}

void readTransverseMixing(FreeFormatReader& reader, ModelDataSet& data) {
    readConcentrationFirst(reader, data);
    skipFields(reader, 2);
    reader.textField();
    data.XRange = reader.textField();
    skipFields(reader, 2 * 2);
    data.YRange = reader.textField();
    readResult(reader, data, 7);
}

// A river without longitudinal dispersion carries a steady profile along X; with it, the
// profile moves in time.
void readLongitudinalAdvection(FreeFormatReader& reader, ModelDataSet& data) {
    reader.textField();
    data.InitialConcentration = reader.numberField();
    skipFields(reader, 2);
    data.TRange = reader.textField();
    reader.textField();
    skipFields(reader, 2);
    data.XRange = reader.textField();
    reader.textField();
    const bool steady = toDouble(reader.textField()) == 0.0;
    readResult(reader, data, steady ? 3 : 11);
}

void readEstuary(FreeFormatReader& reader, ModelDataSet& data) {
    readConcentrationFirst(reader, data);
    skipFields(reader, 2);
    reader.textField();
    data.XRange = reader.textField();
    skipFields(reader, 2);
    readResult(reader, data, 3);
}

void readSmallLakes(FreeFormatReader& reader, ModelDataSet& data) {
    readConcentrationFirst(reader, data);
    skipFields(reader, 2);
    reader.textField();
    data.TRange = reader.textField();
    readResult(reader, data, 6);
}

// The box model of a lake writes its result before its counted inflow and outflow lines, and a
// steady state ends the file there.
void readSmallLakesBoxModel(FreeFormatReader& reader, ModelDataSet& data) {
    readConcentrationFirst(reader, data);
    reader.textField();
    const std::int16_t pairs = countField(reader);
    const std::int16_t firstSingles = countField(reader);
    const std::int16_t secondSingles = countField(reader);
    integerField(reader);
    data.TRange = reader.textField();
    data.ModelResult = reader.textField();
    skipFields(reader, 2 * pairs);
    skipFields(reader, firstSingles);
    skipFields(reader, secondSingles);
    readResultPartOrSingleValue(reader, data, 6);
}

void readOceans(FreeFormatReader& reader, ModelDataSet& data) {
    readConcentrationFirst(reader, data);
    skipFields(reader, 2 * 2);
    data.XRange = reader.textField();
    data.YRange = reader.textField();
    readResult(reader, data, 7);
}

constexpr std::array FarFieldSubTypes{
    SurfaceSubType{"Transverse Mixing", readTransverseMixing},
    SurfaceSubType{"Longitudinal Advection", readLongitudinalAdvection},
    SurfaceSubType{"Estuary", readEstuary},
    SurfaceSubType{"Small Lakes", readSmallLakes},
    SurfaceSubType{"Small Lakes (Box Model)", readSmallLakesBoxModel},
    SurfaceSubType{"Oceans", readOceans},
};

} // namespace

bool readFarFieldBody(FreeFormatReader& reader, ModelDataSet& data) {
    return readSubType(FarFieldSubTypes, reader, data);
}

} // namespace torval
