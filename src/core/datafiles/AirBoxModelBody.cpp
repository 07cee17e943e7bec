// The Box model gives one result for the whole box: the same result text stands for every
// chemical whose emission is fixed, while a chemical whose emission varies by Monte Carlo
// carries its own series.
#include "datafiles/AirModelBodies.h"
#include "datafiles/SectionFields.h"

#include <string>

namespace torval {

namespace {

// After the chemical's name, six fields describe its emission; the sixth tells whether it
// varies by Monte Carlo.
bool chemicalVariesByMonteCarlo(FreeFormatReader& reader) {
    reader.textField();
    skipFields(reader, 5);
    return announcesMonteCarlo(reader.textField());
}

void readBoxChemical(FreeFormatReader& reader, const std::string& result,
                     std::int16_t iterationCount, ChemicalDataRecord& record) {
    record.DataType = chemicalVariesByMonteCarlo(reader) ? 0 : 2;
    if (record.DataType == 0) {
        requireMonteCarloCount(iterationCount);
    }
    record.ModelResult = result;
    skipEmissionBlock(reader);
    record.McIterationCount = iterationCount;
    reader.textField();
    readMonteCarloValues(reader, iterationCount, iterationCount, record.McIterationValues);
    reader.textField();
    record.XRange = record.YRange = record.ZRange = record.TRange = "";
    record.NumX = record.NumY = record.NumZ = record.NumT = 0;
}

} // namespace

void readBoxModelBody(FreeFormatReader& reader, ModelDataSet& data) {
    skipFields(reader, 2);
    const std::string result = reader.textField();
    data.McIterationCount = countField(reader);
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        readBoxChemical(reader, result, data.McIterationCount, data.AirChemicalData.at(i));
    }
}

} // namespace torval
