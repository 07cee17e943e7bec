#pragma once
// What every reader's fuzz target shares: a prompter that answers without a window, the abort
// that tells libFuzzer a rule was broken, the normalisation a loaded file must stand, and the
// frame of the air and surface-water targets (read the body to see the code of a refusal, use
// what loaded, then require the program's entry point to accept the same bytes).
#include "AppState.h"
#include "concentration/Normalisation.h"
#include "datafiles/FreeFormatReader.h"
#include "shell/Prompter.h"
#include "shell/RunTimeError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace torval::fuzzing {

class SilentPrompter : public Prompter {
public:
    int shown = 0;

    MessageAnswer show(const Message& message) override {
        ++shown;
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void setBusy(bool) override {}
};

inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Values near the largest double may overflow when scaled to mg/l or summed; nothing else may
// fail.
inline void normaliseAllowingOverflow(ModelDataSet& data, std::int16_t medium) {
    try {
        NormaliseDataSet(data, medium);
    } catch (const RunTimeError& failure) {
        require(failure.code() == ErrorCode::Overflow);
    }
}

// `readData(reader, data)` reads the file's body; `isFileFault(code)` says which codes a
// malformed file of this family may earn; `useLoaded(data)` checks and uses what loaded;
// `readFile(state, prompter, reader)` is the program's entry point for the same bytes.
template <typename ReadData, typename IsFileFault, typename UseLoaded, typename ReadFile>
int fuzzReader(const std::uint8_t* bytes, std::size_t size, ReadData readData,
               IsFileFault isFileFault, UseLoaded useLoaded, ReadFile readFile) {
    const std::string contents(reinterpret_cast<const char*>(bytes), size);
    ModelDataSet loaded;
    try {
        FreeFormatReader reader(contents);
        readData(reader, loaded);
    } catch (const RunTimeError& failure) {
        require(isFileFault(failure.code()));
        return 0;
    }
    useLoaded(loaded);

    AppState state;
    SilentPrompter prompter;
    FreeFormatReader reader(contents);
    require(readFile(state, prompter, reader)); // the same bytes loaded a moment ago
    return 0;
}

} // namespace torval::fuzzing
