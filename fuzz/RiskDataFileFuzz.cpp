// Feeds arbitrary bytes to the risk data file reader. A file may be refused only with the codes
// a malformed file can earn (62 wrong marker or cut, 13 a text where a number belongs, 6 a
// number too big, 7 a grid that is really there but too big, 9 a count no array can take), and
// a file that is accepted must be saved again as a file that reads back to the same bytes:
// the reader may never build an analysis its own writer cannot write.
#include "AppState.h"
#include "analysisfile/RiskDataFile.h"
#include "shell/RunTimeError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isFileFault(int code) {
    using namespace torval::ErrorCode;
    return code == InputPastEndOfFile || code == TypeMismatch || code == Overflow ||
           code == OutOfMemory || code == SubscriptOutOfRange;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    torval::AppState state;
    try {
        torval::FreeFormatReader reader(std::string(reinterpret_cast<const char*>(data), size));
        torval::ReadRiskData(reader, state);
    } catch (const torval::RunTimeError& failure) {
        if (!isFileFault(failure.code())) {
            std::abort();
        }
        return 0;
    }
    const std::string saved = torval::RiskDataFileContents(state);
    torval::AppState reopened;
    torval::FreeFormatReader again(saved);
    torval::ReadRiskData(again, reopened);
    if (torval::RiskDataFileContents(reopened) != saved) {
        std::abort();
    }
    return 0;
}
