// Feeds arbitrary bytes to the surface-water reader. A file may be refused only with the codes
// a malformed surface-water file can earn (62, 6, 13, 5 for a range without its "to"; 7 for a
// grid that is really there but too big), and a file that loads must give every grid point of
// its layout a coordinate and stand normalisation.
#include "AppState.h"
#include "concentration/Normalisation.h"
#include "datafiles/AxisFields.h"
#include "datafiles/SurfaceWaterFileReader.h"
#include "shell/Prompter.h"
#include "shell/RunTimeError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class SilentPrompter : public torval::Prompter {
public:
    torval::MessageAnswer show(const torval::Message& message) override {
        return message.buttons == torval::MessageButtons::YesNo ? torval::MessageAnswer::Yes
                                                                : torval::MessageAnswer::Ok;
    }
    void setBusy(bool) override {}
};

bool isFileFault(int code) {
    using namespace torval::ErrorCode;
    return code == InputPastEndOfFile || code == Overflow || code == TypeMismatch ||
           code == IllegalFunctionCall || code == OutOfMemory;
}

void useLoadedData(torval::ModelDataSet& data) {
    for (const torval::Axis axis : torval::LayoutAxes(data.DataType)) {
        const auto& values = torval::axisValuesOf(data, axis);
        for (std::int16_t i = 1; i <= torval::pointCountOf(data, axis); ++i) {
            values.at(i);
        }
    }
    data.ModelName = "Surface Water";
    try {
        torval::NormaliseDataSet(data, 4);
    } catch (const torval::RunTimeError& failure) {
        if (failure.code() != torval::ErrorCode::Overflow) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    torval::ModelDataSet loaded;
    try {
        torval::FreeFormatReader reader(contents);
        torval::ReadSurfaceWaterData(reader, loaded);
    } catch (const torval::RunTimeError& failure) {
        if (!isFileFault(failure.code())) {
            std::abort();
        }
        return 0;
    }
    useLoadedData(loaded);

    torval::AppState state;
    SilentPrompter prompter;
    torval::FreeFormatReader reader(contents);
    if (!torval::ReadSurfaceWaterFile(state, prompter, reader, "fuzz.rvr")) {
        std::abort();
    }
    return 0;
}
