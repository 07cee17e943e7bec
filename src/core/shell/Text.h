#pragma once
// Text helpers shared by every layer. Texts are UTF-8 (see shell/TextEncoding.h); "blanks" are
// spaces, as the program's trimming has always meant (tabs and line ends are not blanks).

#include <string>
#include <string_view>

namespace torval {

std::string_view trimBlanksView(std::string_view text) noexcept;
std::string trimBlanks(std::string_view text);

// Case mapping of the letters of Windows-1252 in UTF-8 (ASCII, the accented letters of Latin-1,
// s and z caron, oe, y diaeresis): "café" becomes "CAFÉ"; letters without case (日本) and any
// other character stay as they are.
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

inline bool contains(std::string_view text, std::string_view part) noexcept {
    return text.find(part) != std::string_view::npos;
}

// The last path component: characters taken from the end of the trimmed path up to, not
// including, the last "/", "\" or ":"; the last character is always taken, even a separator
// ("C:" gives "C:", "C:\dir\" gives "dir\"). The result is trimmed.
std::string FileNameOf(std::string_view path);

// The trimmed text after the first occurrence of the delimiter (case-sensitive), or "" when
// the line does not hold it.
std::string ValueAfter(std::string_view line, std::string_view delimiter);

} // namespace torval
