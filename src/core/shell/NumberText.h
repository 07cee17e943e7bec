#pragma once
// Every conversion between texts and numbers lives here, so that a number typed, read from a
// file, shown or written always goes the same way. The decimal point is "." everywhere and
// nothing depends on the C locale.
//
// A decimal number, as the numeric test and the strict conversion read it:
//     [+|-] ( digits [ "." [digits] ] | "." digits ) [ (e|E) [+|-] digits ]
//
// FormatNumber renders its patterns as follows (these are our decisions for the corner cases):
//   - "#" is an optional digit, "0" a digit always written; the last decimal kept is rounded to
//     nearest with halves up (10000.5 gives "1.0001e+4"), and trailing zeros of optional
//     decimals are dropped.
//   - When no decimal remains, the decimal point is dropped too: 1000.0001 with "####.###"
//     gives "1000", not "1000.".
//   - "#.####e+###": one digit before the point, at most four after it, then "e", the sign of
//     the exponent always, and the exponent without leading zeros: 123456 gives "1.2346e+5",
//     0.0009 gives "9e-4". A mantissa that rounds up to 10 moves to the next exponent
//     (99999.9 gives "1e+5"). An exponent of 0 is written "e+0" (the chosen ranges never
//     produce one except by that carry).
//   - "###,###": whole number, rounded half away from zero, commas between groups of three;
//     zero is written "0" (the pattern alone would leave the text empty).

#include <cstdint>
#include <string>
#include <string_view>

namespace torval {

// The longest leading part of the text that forms a decimal number, with blanks (spaces, tabs
// and line feeds) skipped wherever they stand; 0 when there is none. "12abc" is 12, "- 1 2" is
// -12, "1e5x" is 100000, "1e" is 1, "abc" is 0. Raises 6 when the number is beyond a double.
double leadingNumber(std::string_view text);

// True when the text, trimmed of blanks, reads in full as a decimal number. "" is not numeric.
bool isNumeric(std::string_view text);

// Strict conversion: raises 13 when the text is not numeric, 6 when it is beyond a double.
// Numbers too small for a double become 0 (with their sign).
double toDouble(std::string_view text);

// Round to the nearest integer, halves to even; raises 6 outside -32768..32767 (and for nan).
std::int16_t toInt16(double value);

// Strict conversion of a text to a 16-bit integer: toDouble, then toInt16.
std::int16_t toInt16(std::string_view text);

// The general text form: at most 15 significant digits, no trailing zeros; plain decimal with a
// leading zero when the decimal exponent lies in -5..14 ("0.5", "-0.25", "100"), otherwise a
// mantissa, "E", the sign and at least two exponent digits ("1.5E-07", "2E+15"). Zero is "0".
std::string generalText(double value);

// The print form used for value lines in files: the general form with one blank before a
// non-negative number and one blank after every number (" 1.5 ", "-2 ").
std::string printText(double value);

// The value's trimmed text when it is not numeric; otherwise the number formatted with the
// pattern chosen by its magnitude (see above).
std::string FormatNumber(std::string_view value);

// The "###,###" pattern (see above).
std::string formatThousands(double value);

} // namespace torval
