#include "LineCursor.h"

#include <charconv>
#include <cmath>
#include <string>

namespace torval::charton {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Control bytes of a binary file are shown as "?" so that a message stays one readable line.
std::string quoted(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    return shown + "\"";
}

} // namespace

ResultsFileError::ResultsFileError(std::size_t line, const std::string& message)
    : std::runtime_error(line == 0 ? message : "line " + std::to_string(line) + ": " + message),
      line_(line) {}

bool readNumber(std::string_view text, double& value) {
    std::string digits;
    for (const char c : trimmed(text)) {
        if (c != ',') {
            digits += c;
        }
    }
    const char* first = digits.data();
    const char* last = first + digits.size();
    if (first != last && *first == '+') {
        ++first;
    }
    if (first == last) {
        return false;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && std::isfinite(value);
}

std::string_view LineCursor::next(std::string_view expecting) {
    if (atEnd()) {
        line_ += 1;
        fail("the file ends where " + std::string(expecting) + " was expected");
    }
    const auto end = text_.find('\n', position_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    std::string_view line = text_.substr(position_, stop - position_);
    position_ = stop == text_.size() ? stop : stop + 1;
    line_ += 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view LineCursor::after(std::string_view prefix) {
    const std::string_view line = next(quoted(prefix));
    if (!line.starts_with(prefix)) {
        fail("expected " + quoted(prefix) + " but found " + quoted(line.substr(0, 60)));
    }
    return line.substr(prefix.size());
}

double LineCursor::number(std::string_view expecting) {
    const std::string_view line = next(expecting);
    double value = 0;
    if (!readNumber(line, value)) {
        fail("expected " + std::string(expecting) + " but found " + quoted(line.substr(0, 60)));
    }
    return value;
}

double LineCursor::numberAfter(std::string_view prefix) {
    const std::string_view text = after(prefix);
    double value = 0;
    if (!readNumber(text, value)) {
        fail("expected a number after " + quoted(prefix) + " but found " +
             quoted(text.substr(0, 60)));
    }
    return value;
}

void LineCursor::fail(const std::string& message) const {
    throw ResultsFileError(line_, message);
}

} // namespace torval::charton
