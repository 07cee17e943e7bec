#pragma once
// The items every section of the risk data file (*.tvl) is made of, as its section writers and
// readers share them: flags, counts, markers and labelled lines, and the blank lines an editor
// may add or remove between them.
//
// Reading rules kept here, so that every section applies them alike:
//   - Markers ("[Begin ...]", "[End ...]") are compared after trimming blanks; blank lines
//     before a marker are skipped. A line other than the marker expected is code 62.
//   - A labelled line that starts with its exact label keeps everything after the label (a
//     Monte Carlo reference keeps its leading blanks), trailing blanks removed; any other line
//     gives the trimmed text after its first ":". Blank lines before a labelled line are
//     skipped: a labelled line is never blank.
//   - Flags are "True" or "False" (any letter case) or a number, non-zero meaning true;
//     anything else is a type mismatch (13).
//   - Counts are whole numbers; a count below zero cannot have been written by the program
//     and is code 62, one beyond its integer type is an overflow (6).

#include "datafiles/FreeFormatReader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace torval {

std::string_view booleanText(bool value) noexcept;
bool booleanOf(std::string_view text);

// Strict counts (13 for a text that is not a number).
std::int16_t count16Of(std::string_view text);
std::int32_t count32Of(std::string_view text);

// The next line that is not blank; the view stays valid as long as the reader.
std::string nextNonBlankLine(FreeFormatReader& in);
std::string_view nextNonBlankLineView(FreeFormatReader& in);

// Reads the next marker (blank lines before it skipped); 62 unless it is `marker`.
void expectRiskMarker(FreeFormatReader& in, std::string_view marker);

// The value of a labelled line, by the rule above.
std::string labelledValue(std::string_view line, std::string_view label);

// The value of the next labelled line (blank lines before it skipped).
std::string readLabelled(FreeFormatReader& in, std::string_view label);

} // namespace torval
