#pragma once
// The command-line program's boundary between the core's Windows-1252 texts and a UTF-8
// terminal.

#include <string>
#include <string_view>

namespace torval::cli {

// Bytes with no character in the code page (0x81, 0x8D, 0x8F, 0x90, 0x9D) become "?".
std::string windows1252ToUtf8(std::string_view text);

} // namespace torval::cli
