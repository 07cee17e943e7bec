// Feeds arbitrary bytes to the air-model reader. A file may be refused only with the codes a
// malformed air file can earn (62, 776, 6; 7 for a grid that is really there but too big), and
// a file that loads must leave every chemical selectable and the data set normalisable: a
// subscript failure (9) there would mean the reader built records its consumers cannot use.
#include "ReaderFuzzing.h"
#include "datafiles/AirFileReader.h"
#include "datafiles/ModelDataSetOps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torval;
    return fuzzing::fuzzReader(
        data, size,
        [](FreeFormatReader& reader, ModelDataSet& loaded) { ReadAirData(reader, loaded); },
        [](int code) {
            return code == ErrorCode::InputPastEndOfFile || code == 776 ||
                   code == ErrorCode::Overflow || code == ErrorCode::OutOfMemory;
        },
        [](ModelDataSet& loaded) {
            for (std::int16_t i = 1; i <= loaded.ChemicalCount; ++i) {
                SelectAirChemical(loaded, i);
            }
            loaded.ModelName = "Air";
            fuzzing::normaliseAllowingOverflow(loaded, 1);
        },
        [](AppState& state, Prompter& prompter, FreeFormatReader& reader) {
            return ReadAirDataFile(state, prompter, reader, "fuzz.gas");
        });
}
