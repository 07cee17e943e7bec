#include "intake/ParamDisplayValue.h"

#include <cstddef>

namespace torval {

std::string ParamDisplayValue(std::string_view text) {
    if (text.find('M') == std::string_view::npos) {
        return std::string(text);
    }
    // Positions count from 1, with 0 standing for "not found", so that a text without "|"
    // takes its part from the very first character.
    const std::size_t bar = text.find('|');
    const std::size_t colon = text.find(':');
    const std::size_t barPosition = bar == std::string_view::npos ? 0 : bar + 1;
    const std::size_t colonPosition = colon == std::string_view::npos ? 0 : colon + 1;
    if (colonPosition <= barPosition + 1) {
        return std::string(text);
    }
    return std::string(text.substr(barPosition, colonPosition - barPosition - 1));
}

} // namespace torval
