#pragma once
// The encoding of texts. Inside the program every text is UTF-8: file names as the system
// gives them, messages, titles, reports and the texts read from files. Windows-1252 lives only
// at the edges, in the readers and writers of the file formats that were always written in it
// (transport-model files, risk data files, torval.plt, the Monte Carlo results file):
//
// - a text read from such a file is taken as UTF-8 when it is valid UTF-8 (plain ASCII is both),
//   and as Windows-1252 otherwise (fromFileText);
// - a text written into one is Windows-1252 when every character has a place in the code page,
//   so files stay readable by the programs that read them; a text with a character outside it
//   (a name such as 日本) is written as UTF-8 rather than lose the character (toFileText).

#include <string>
#include <string_view>

namespace torval {

bool isValidUtf8(std::string_view text) noexcept;

// Windows-1252 bytes as UTF-8. The five bytes without a character in the code page (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for themselves, as Latin-1 reads them.
std::string windows1252ToUtf8(std::string_view bytes);

// The text of a file as UTF-8 (see above).
std::string fromFileText(std::string_view bytes);

// The UTF-8 text as file bytes (see above).
std::string toFileText(std::string_view text);

} // namespace torval
