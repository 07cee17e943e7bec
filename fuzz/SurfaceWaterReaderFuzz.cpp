// Feeds arbitrary bytes to the surface-water reader. A file may be refused only with the codes
// a malformed surface-water file can earn (62, 6, 13, 5 for a range without its "to"; 7 for a
// grid that is really there but too big), and a file that loads must give every grid point of
// its layout a coordinate and stand normalisation.
#include "ReaderFuzzing.h"
#include "datafiles/AxisFields.h"
#include "datafiles/SurfaceWaterFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torval;
    return fuzzing::fuzzReader(
        data, size,
        [](FreeFormatReader& reader, ModelDataSet& loaded) {
            ReadSurfaceWaterData(reader, loaded);
        },
        [](int code) {
            using namespace ErrorCode;
            return code == InputPastEndOfFile || code == Overflow || code == TypeMismatch ||
                   code == IllegalFunctionCall || code == OutOfMemory;
        },
        [](ModelDataSet& loaded) {
            for (const Axis axis : LayoutAxes(loaded.DataType)) {
                const auto& values = axisValuesOf(loaded, axis);
                for (std::int16_t i = 1; i <= pointCountOf(loaded, axis); ++i) {
                    values.at(i);
                }
            }
            loaded.ModelName = "Surface Water";
            fuzzing::normaliseAllowingOverflow(loaded, 4);
        },
        [](AppState& state, Prompter& prompter, FreeFormatReader& reader) {
            return ReadSurfaceWaterFile(state, prompter, reader, "fuzz.rvr");
        });
}
