// Feeds arbitrary bytes to the air-model reader. A file may be refused only with the codes a
// malformed air file can earn (62, 776, 6; 7 for a grid that is really there but too big), and
// a file that loads must leave every chemical selectable and the data set normalisable: a
// subscript failure (9) there would mean the reader built records its consumers cannot use.
#include "AppState.h"
#include "concentration/Normalisation.h"
#include "datafiles/AirFileReader.h"
#include "datafiles/ModelDataSetOps.h"
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
    return code == torval::ErrorCode::InputPastEndOfFile || code == 776 ||
           code == torval::ErrorCode::Overflow || code == torval::ErrorCode::OutOfMemory;
}

void useLoadedData(torval::ModelDataSet& data) {
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        torval::SelectAirChemical(data, i);
    }
    data.ModelName = "Air";
    try {
        torval::NormaliseDataSet(data, 1);
    } catch (const torval::RunTimeError& failure) {
        // Values near the largest double may overflow when scaled to mg/l.
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
        torval::ReadAirData(reader, loaded);
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
    if (!torval::ReadAirDataFile(state, prompter, reader, "fuzz.gas")) {
        std::abort(); // the same bytes loaded a moment ago
    }
    return 0;
}
