// Feeds arbitrary bytes to the multiple-species groundwater reader (mc1, mc2, mc3, mcu).
#include "GroundwaterFuzzChecks.h"
#include "datafiles/GroundwaterSpeciesReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace torval;
    return fuzzing::fuzzGroundwater(
        bytes, size, Medium::GroundwaterMultipleSpecies, ReadSpeciesBody,
        [](const ModelDataSet& data) {
            if (data.DataType == -1) {
                return;
            }
            fuzzing::require(data.ChemicalCount >= 1 &&
                             data.SpeciesData.upper() == data.ChemicalCount &&
                             data.ChemicalNames.upper() == data.ChemicalCount);
            if (data.DataType == 0) {
                fuzzing::requireAxis(data.McIterationValues,
                                     static_cast<std::int16_t>(data.McIterationCount - 1));
            }
            for (std::int16_t s = 1; s <= data.ChemicalCount; ++s) {
                const ChemicalDataRecord& record = data.SpeciesData.at(s);
                fuzzing::require(record.DataType == data.DataType && record.NumX == data.NumX &&
                                 record.NumT == data.NumT);
                fuzzing::requireShape(data, record.DataType, record.ConcentrationGrid,
                                      record.McIterationValues, record.McIterationCount);
            }
        });
}
