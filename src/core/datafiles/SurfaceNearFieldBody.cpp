// Near-field mixing: the dilution of a discharge close to its outlet. The result is one
// concentration, or a Monte Carlo series of them; there is no grid.
#include "datafiles/SectionFields.h"
#include "datafiles/SurfaceWaterBodies.h"
#include "shell/Text.h"

#include <array>
#include <string>

namespace torval {

namespace {

// The discharge's first line names what it gives; only a concentration is kept.
bool readDischargeConcentration(FreeFormatReader& reader, ModelDataSet& data) {
    if (!contains(reader.textField(), "Concentration")) {
        return false;
    }
    data.InitialConcentration = reader.numberField();
    reader.textField();
    return true;
}

void readLabelAndNumber(FreeFormatReader& reader) {
    reader.textField();
    reader.numberField();
}

void readSurfacePointDischarge(FreeFormatReader& reader, ModelDataSet& data) {
    if (!readDischargeConcentration(reader, data)) {
        reader.textField();
    }
    reader.textField();
    skipFields(reader, 2 * 2);
    readLabelAndNumber(reader);
    readResult(reader, data, SingleValueLayout);
}

void readSubmergedPointDischarge(FreeFormatReader& reader, ModelDataSet& data) {
    readDischargeConcentration(reader, data);
    reader.textField();
    skipFields(reader, 2 * 2);
    reader.numberField();
    readResult(reader, data, SingleValueLayout);
}

void readSubmergedMultiportDiffuser(FreeFormatReader& reader, ModelDataSet& data) {
    readDischargeConcentration(reader, data);
    reader.textField();
    skipFields(reader, 3 * 2);
    readLabelAndNumber(reader);
    readResult(reader, data, SingleValueLayout);
}

constexpr std::array NearFieldSubTypes{
    SurfaceSubType{"Surface Point Discharges", readSurfacePointDischarge},
    SurfaceSubType{"Submerged Point Discharges", readSubmergedPointDischarge},
    SurfaceSubType{"Submerged Multiport Diffusers", readSubmergedMultiportDiffuser},
};

} // namespace

// A near-field sub type without a reader here reads nothing more and stands as a single value
// (its result text stays empty).
bool readNearFieldBody(FreeFormatReader& reader, ModelDataSet& data) {
    if (!readSubType(NearFieldSubTypes, reader, data)) {
        data.DataType = SingleValueLayout;
    }
    return true;
}

} // namespace torval
