#include "analysisfile/RiskSectionReading.h"

#include "datafiles/PlainNumber.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <charconv>
#include <cmath>

namespace torval {

namespace {

[[noreturn]] void outOfStep(std::string_view expected) {
    throw RunTimeError(ErrorCode::InputPastEndOfFile,
                       "expected " + std::string(expected) + " in the model data");
}

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',';
}

bool startsNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

// The characters a number ending at `end` took from `text`: it must be followed by a
// separator, a sign or nothing.
std::size_t checkedEnd(std::string_view text, const char* end) {
    const std::size_t taken = static_cast<std::size_t>(end - text.data());
    if (taken < text.size() && !isSeparator(text[taken]) && text[taken] != '-' &&
        text[taken] != '+') {
        throw RunTimeError(ErrorCode::TypeMismatch, std::string(text));
    }
    return taken;
}

// One number from the start of `text`; returns the characters it took.
std::size_t takeNumber(std::string_view text, double& value) {
    std::size_t from = 0;
    if (text.front() == '+' && text.size() > 1 && startsNumber(text[1])) {
        from = 1; // from_chars takes no plus sign
    }
    const char* first = text.data() + from;
    const char* last = text.data() + text.size();
    if (const char* plainEnd = takePlainNumber(first, last, value); plainEnd != nullptr) {
        return checkedEnd(text, plainEnd);
    }
    const bool signedNumber = *first == '-' && first + 1 < last && startsNumber(first[1]);
    if (!signedNumber && !startsNumber(*first)) {
        throw RunTimeError(ErrorCode::TypeMismatch, std::string(text));
    }
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = toDouble(std::string_view(first, static_cast<std::size_t>(result.ptr - first)));
    } else if (result.ec != std::errc() || !std::isfinite(value)) {
        throw RunTimeError(ErrorCode::TypeMismatch, std::string(text));
    }
    return checkedEnd(text, result.ptr);
}

} // namespace

std::string labelledText(FreeFormatReader& in, std::string_view label) {
    const std::string text = nextNonBlankLine(in);
    const auto colon = text.find(':');
    const std::string_view name = label.substr(0, label.find(':'));
    if (colon == std::string::npos ||
        lowerCase(trimBlanksView(std::string_view(text).substr(0, colon))) != lowerCase(name)) {
        outOfStep(label);
    }
    return ValueAfter(text, ":");
}

std::int16_t labelledCount(FreeFormatReader& in, std::string_view label) {
    return toInt16(std::string_view(labelledText(in, label)));
}

double labelledNumber(FreeFormatReader& in, std::string_view label) {
    return toDouble(labelledText(in, label));
}

void numbersOfText(std::string_view text, std::vector<double>& values) {
    values.clear();
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && isSeparator(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            return;
        }
        double value = 0.0;
        at += takeNumber(text.substr(at), value);
        values.push_back(value);
    }
}

void readNumberLine(FreeFormatReader& in, std::size_t count, std::vector<double>& values,
                    std::string_view word) {
    std::string_view numbers = trimBlanksView(nextNonBlankLineView(in));
    if (!word.empty()) {
        if (!numbers.starts_with(word)) {
            outOfStep(word);
        }
        numbers.remove_prefix(word.size());
    }
    numbersOfText(numbers, values);
    if (values.size() != count) {
        outOfStep(std::to_string(count) + " numbers on a line");
    }
}

void sizeFromOne(const FreeFormatReader& in, BoundedArray<double, 1>& values, std::int64_t count) {
    if (count < 1) {
        values.erase();
        return;
    }
    in.requireRoomFor(count);
    values.redim({1, count});
}

} // namespace torval
