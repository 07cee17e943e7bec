#include "analysisfile/RiskFileFields.h"

#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "shell/TextEncoding.h"

#include <cmath>
#include <limits>

namespace torval {

namespace {

[[noreturn]] void notThisFormat(std::string_view detail) {
    throw RunTimeError(ErrorCode::InputPastEndOfFile, std::string(detail));
}

std::string_view withoutTrailingBlanks(std::string_view text) noexcept {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

bool isBlankLine(std::string_view line) noexcept {
    for (const char c : line) {
        if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view booleanText(bool value) noexcept {
    return value ? "True" : "False";
}

bool booleanOf(std::string_view text) {
    const std::string word = lowerCase(trimBlanksView(text));
    if (word == "true") {
        return true;
    }
    if (word == "false") {
        return false;
    }
    return toDouble(word) != 0.0;
}

std::int16_t count16Of(std::string_view text) {
    const std::int16_t count = toInt16(text);
    if (count < 0) {
        notThisFormat("negative count");
    }
    return count;
}

std::int32_t count32Of(std::string_view text) {
    const double value = std::nearbyint(toDouble(text)); // halves to even, as toInt16
    if (value < 0.0) {
        notThisFormat("negative count");
    }
    if (!(value <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
        throw RunTimeError(ErrorCode::Overflow, "count beyond 32 bits");
    }
    return static_cast<std::int32_t>(value);
}

std::string_view nextNonBlankLineView(FreeFormatReader& in) {
    std::string_view line = in.lineView();
    while (isBlankLine(line)) {
        line = in.lineView();
    }
    return line;
}

// The file's bytes as the program's UTF-8 (shell/TextEncoding.h).
std::string nextNonBlankLine(FreeFormatReader& in) {
    return fromFileText(nextNonBlankLineView(in));
}

void expectRiskMarker(FreeFormatReader& in, std::string_view marker) {
    if (trimBlanksView(nextNonBlankLine(in)) != marker) {
        notThisFormat(std::string("expected ") + std::string(marker));
    }
}

std::string labelledValue(std::string_view line, std::string_view label) {
    if (line.starts_with(label)) {
        return std::string(withoutTrailingBlanks(line.substr(label.size())));
    }
    return ValueAfter(line, ":");
}

std::string readLabelled(FreeFormatReader& in, std::string_view label) {
    return labelledValue(nextNonBlankLine(in), label);
}

} // namespace torval
