// The Indoor Air model balances, room by room, what a chemical's source emits against what the
// ventilation carries out and what decays. Its result for a chemical is one concentration, or
// a Monte Carlo series when a parameter of the balance varies.
#include "datafiles/AirModelBodies.h"
#include "datafiles/SectionFields.h"

#include <string>

namespace torval {

namespace {

// Room volume, air exchange rate, outdoor concentration, decay rate, exposure time and
// averaging time, each as a label and its value: read past, nothing is kept.
constexpr int IndoorParameterFields = 6 * 2;

void skipIndoorParameters(FreeFormatReader& reader) {
    expectMarker(reader, "[Begin Indoor Air Parameters]");
    skipFields(reader, IndoorParameterFields);
    expectMarker(reader, "[End Indoor Air Parameters]");
}

void readIndoorResult(FreeFormatReader& reader, std::int16_t iterationCount,
                      ChemicalDataRecord& record) {
    record.ModelResult = reader.textField();
    record.McIterationCount = iterationCount;
    if (announcesMonteCarlo(record.ModelResult)) {
        record.DataType = 0;
        requireMonteCarloCount(iterationCount);
        readMonteCarloValues(reader, iterationCount, iterationCount, record.McIterationValues);
    } else {
        record.DataType = 2;
    }
    record.XRange = record.YRange = record.ZRange = record.TRange = "";
    record.NumX = record.NumY = record.NumZ = record.NumT = 0;
}

void readIndoorChemical(FreeFormatReader& reader, std::int16_t chemical, ModelDataSet& data) {
    expectMarker(reader, numberedMarker("[Begin Chemical ", chemical));
    skipEmissionBlock(reader);
    skipIndoorParameters(reader);
    readIndoorResult(reader, data.McIterationCount, data.AirChemicalData.at(chemical));
    expectMarker(reader, numberedMarker("[End Chemical ", chemical));
}

} // namespace

void readIndoorAirModelBody(FreeFormatReader& reader, ModelDataSet& data) {
    skipFields(reader, 3);
    data.McIterationCount = countField(reader);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        readIndoorChemical(reader, i, data);
    }
}

} // namespace torval
