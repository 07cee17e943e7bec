#include "intake/MonteCarloReference.h"

#include "shell/NumberText.h"
#include "shell/Text.h"

namespace torval {

bool isMonteCarloReference(std::string_view text) noexcept {
    return contains(text, "Monte");
}

std::int16_t variantNumberOf(std::string_view text) {
    return toInt16(leadingNumber(ValueAfter(text, ":")));
}

} // namespace torval
