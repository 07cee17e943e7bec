#pragma once
// The line primitives of the model data section reader of a risk data file. The section is
// read strictly in order, one expected line after another; what an editor may leave behind
// (blank lines added or removed, blanks around values and numbers, LF instead of CR LF) is
// tolerated, anything else stops the read with a run-time code:
//   - blank lines (empty or blanks only) before any expected line are skipped, because no
//     line of the section that carries data is ever blank (nextNonBlankLine);
//   - a labelled line must carry its label (compared without regard to case and to the blanks
//     around it), a marker line must be its marker (expectRiskMarker): otherwise the file is
//     out of step with the layout and the read fails with 62 rather than taking one field for
//     another;
//   - counts and concentrations must be well-formed numbers (13, and 6 beyond their range);
//   - a line of numbers must hold exactly the numbers its layout gives it (62 otherwise).

#include "analysisfile/RiskFileFields.h"
#include "datafiles/FreeFormatReader.h"
#include "shell/BoundedArray.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// The value of the next non-blank line, which must carry `label`: the trimmed text after its
// first ":".
std::string labelledText(FreeFormatReader& in, std::string_view label);
std::int16_t labelledCount(FreeFormatReader& in, std::string_view label);
double labelledNumber(FreeFormatReader& in, std::string_view label);

// Every number of a text, in order, into `values`. Blanks, tabs and commas separate numbers,
// and a sign directly after a number starts the next one ("1.5-2" holds 1.5 and -2), as the
// three-dimensional grid lines glue negative values to the one before. An item that is not a
// finite decimal number is 13; one beyond a double 6.
void numbersOfText(std::string_view text, std::vector<double>& values);

// The numbers of the next non-blank line, which must hold exactly `count` of them. When `word`
// is given, the line must start with it and the numbers follow it.
void readNumberLine(FreeFormatReader& in, std::size_t count, std::vector<double>& values,
                    std::string_view word = {});

// Sizes `values` 1..count once the rest of the file can hold that many values (62 when it
// cannot); a count below 1 leaves it unallocated, since there is nothing to hold.
void sizeFromOne(const FreeFormatReader& in, BoundedArray<double, 1>& values, std::int64_t count);

} // namespace torval
