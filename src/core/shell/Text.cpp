#include "shell/Text.h"

#include <algorithm>

namespace torval {

std::string_view trimBlanksView(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string trimBlanks(std::string_view text) {
    return std::string(trimBlanksView(text));
}

namespace {

// Windows-1252 keeps its lower-case accented letters 0x20 above their capitals (except the
// division sign 0xF7), plus four letters with capitals elsewhere in the 0x80 block.
unsigned char upperOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 0x20);
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
        return 0x8A; // s caron
    case 0x9C:
        return 0x8C; // oe
    case 0x9E:
        return 0x8E; // z caron
    case 0xFF:
        return 0x9F; // y diaeresis
    default:
        return c;
    }
}

unsigned char lowerOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + 0x20);
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

template <typename Map>
std::string mapBytes(std::string_view text, Map map) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [&](char c) { return static_cast<char>(map(static_cast<unsigned char>(c))); });
    return out;
}

bool isPathSeparator(char c) {
    return c == '/' || c == '\\' || c == ':';
}

} // namespace

std::string upperCase(std::string_view text) {
    return mapBytes(text, upperOf);
}

std::string lowerCase(std::string_view text) {
    return mapBytes(text, lowerOf);
}

std::string FileNameOf(std::string_view path) {
    const std::string_view trimmed = trimBlanksView(path);
    if (trimmed.empty()) {
        return {};
    }
    std::size_t start = trimmed.size() - 1; // the last character is always taken
    while (start > 0 && !isPathSeparator(trimmed[start - 1])) {
        --start;
    }
    return trimBlanks(trimmed.substr(start));
}

std::string ValueAfter(std::string_view line, std::string_view delimiter) {
    const auto at = line.find(delimiter);
    if (delimiter.empty() || at == std::string_view::npos) {
        return {};
    }
    return trimBlanks(line.substr(at + delimiter.size()));
}

} // namespace torval
