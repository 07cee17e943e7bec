#include "shell/Text.h"

#include <algorithm>
#include <cstddef>

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

// The letters with case that texts of this program hold: ASCII, the accented letters of
// Latin-1 (lower case 0x20 above upper case, except the division and multiplication signs) and
// the four pairs Windows-1252 adds (s and z caron, oe, y diaeresis). Every other character,
// a letter without case such as 日 among them, stays as it is.
char32_t upperOf(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    switch (c) {
    case 0x161:
        return 0x160;
    case 0x153:
        return 0x152;
    case 0x17E:
        return 0x17D;
    case 0xFF:
        return 0x178;
    default:
        return c;
    }
}

char32_t lowerOf(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    switch (c) {
    case 0x160:
        return 0x161;
    case 0x152:
        return 0x153;
    case 0x17D:
        return 0x17E;
    case 0x178:
        return 0xFF;
    default:
        return c;
    }
}

// Maps ASCII bytes and two-byte UTF-8 sequences (where every letter above lies); any other
// byte is copied unchanged.
template <typename Map>
std::string mapLetters(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            out += static_cast<char>(map(lead));
            continue;
        }
        const bool twoBytes = lead >= 0xC2 && lead <= 0xDF && at + 1 < text.size() &&
                              (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80;
        if (!twoBytes) {
            out += text[at];
            continue;
        }
        const char32_t c =
            (char32_t{lead} & 0x1F) << 6 | (static_cast<unsigned char>(text[at + 1]) & 0x3F);
        const char32_t mapped = map(c);
        out += static_cast<char>(0xC0 | (mapped >> 6));
        out += static_cast<char>(0x80 | (mapped & 0x3F));
        ++at;
    }
    return out;
}

bool isPathSeparator(char c) {
    return c == '/' || c == '\\' || c == ':';
}

} // namespace

std::string upperCase(std::string_view text) {
    return mapLetters(text, upperOf);
}

std::string lowerCase(std::string_view text) {
    return mapLetters(text, lowerOf);
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
