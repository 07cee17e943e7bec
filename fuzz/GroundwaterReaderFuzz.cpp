// Feeds arbitrary bytes to the single-species groundwater reader (one, two, tri, var, u1d).
#include "GroundwaterFuzzChecks.h"
#include "datafiles/GroundwaterSingleSpeciesBodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace torval;
    return fuzzing::fuzzGroundwater(
        bytes, size, Medium::Groundwater, ReadSingleSpeciesBody, [](const ModelDataSet& data) {
            fuzzing::require(data.ChemicalCount == 1);
            fuzzing::requireShape(data, data.DataType, data.ConcentrationGrid,
                                  data.McIterationValues, data.McIterationCount);
        });
}
