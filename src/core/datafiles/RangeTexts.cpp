#include "datafiles/RangeTexts.h"

#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <string_view>

namespace torval {

namespace {

// The text after the n-th ":" (n from 1), or nothing when the text has fewer.
std::string_view afterColon(std::string_view text, int n) {
    std::size_t position = std::string_view::npos;
    for (int found = 0; found < n; ++found) {
        position = text.find(':', position == std::string_view::npos ? 0 : position + 1);
        if (position == std::string_view::npos) {
            return {};
        }
    }
    return text.substr(position + 1);
}

bool hasColons(std::string_view text, int n) {
    std::size_t position = 0;
    for (int found = 0; found < n; ++found) {
        position = text.find(':', position);
        if (position == std::string_view::npos) {
            return false;
        }
        ++position;
    }
    return true;
}

std::int16_t pointCount(double from, double to, double step) {
    if (step == 0.0) {
        return 1;
    }
    return toInt16((to - from) / step + 1.0);
}

} // namespace

RangeText ParseRangeText(std::string_view text) {
    const std::string_view trimmed = trimBlanksView(text);
    RangeText range;
    if (!hasColons(trimmed, 1)) {
        range.from = range.to = range.value = leadingNumber(trimmed);
        return range;
    }
    if (!hasColons(trimmed, 2)) {
        throw RunTimeError(ErrorCode::IllegalFunctionCall, "range text without its \"to\" field");
    }
    range.from = leadingNumber(trimmed.substr(0, trimmed.find(':')));
    range.to = leadingNumber(afterColon(trimmed, 1));
    range.step = leadingNumber(afterColon(trimmed, 2));
    range.value = hasColons(trimmed, 3) ? leadingNumber(afterColon(trimmed, 3)) : range.to;
    range.count = pointCount(range.from, range.to, range.step);
    return range;
}

IntervalText ParseIntervalText(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        const double point = leadingNumber(text);
        return {point, point};
    }
    return {leadingNumber(text.substr(0, colon)),
            leadingNumber(trimBlanksView(text.substr(colon + 1)))};
}

} // namespace torval
