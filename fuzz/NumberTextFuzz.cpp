// Feeds arbitrary bytes to the number-text conversions and checks that they agree with each
// other: what is numeric converts (or overflows), and the general text form reads back.
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    torval::FormatNumber(text);
    try {
        torval::leadingNumber(text);
    } catch (const torval::RunTimeError& error) {
        if (error.code() != torval::ErrorCode::Overflow) {
            std::abort();
        }
    }
    if (!torval::isNumeric(text)) {
        return 0;
    }
    try {
        const double value = torval::toDouble(text);
        const std::string general = torval::generalText(value);
        if (!std::isfinite(value) || torval::generalText(torval::toDouble(general)) != general) {
            std::abort();
        }
    } catch (const torval::RunTimeError& error) {
        if (error.code() != torval::ErrorCode::Overflow) {
            std::abort();
        }
    }
    return 0;
}
