// The sediment models: what a discharge leaves in the bed of a river, an estuary or a lake.
#include "datafiles/SectionFields.h"
#include "datafiles/SurfaceWaterBodies.h"

#include <array>
#include <string>

namespace torval {

namespace {

void readFletcherDotson(FreeFormatReader& reader, ModelDataSet& data) {
    skipFields(reader, 3 * 2);
    reader.textField();
    const std::int16_t pairs = countField(reader);
    skipFields(reader, 2 * pairs);
    readResult(reader, data, SingleValueLayout);
}

void readOnishi(FreeFormatReader& reader, ModelDataSet& data) {
    skipFields(reader, 2);
    reader.textField();
    data.TRange = reader.textField();
    skipFields(reader, 2);
    const std::int16_t pairs = countField(reader);
    reader.textField();
    skipFields(reader, 2 * pairs);
    readResult(reader, data, 6);
}

void readEstuaries(FreeFormatReader& reader, ModelDataSet& data) {
    skipFields(reader, 5 * 2);
    reader.textField();
    data.XRange = reader.textField();
    data.TRange = reader.textField();
    readResult(reader, data, 11);
}

void readLakes(FreeFormatReader& reader, ModelDataSet& data) {
    skipFields(reader, 4 * 2);
    reader.textField();
    data.TRange = reader.textField();
    readResult(reader, data, 6);
}

constexpr std::array SedimentSubTypes{
    SurfaceSubType{"Fletcher-Dotson Model", readFletcherDotson},
    SurfaceSubType{"Onishi Model", readOnishi},
    SurfaceSubType{"Estuaries", readEstuaries},
    SurfaceSubType{"Lakes", readLakes},
};

} // namespace

bool readSedimentBody(FreeFormatReader& reader, ModelDataSet& data) {
    return readSubType(SedimentSubTypes, reader, data);
}

} // namespace torval
