#pragma once
// The general text form of a double (generalText) written straight into a file's text, for
// the risk data file's grids of up to millions of cells. generalText formats through printf
// and temporary strings, which makes it most of the cost of saving a large grid; this writes
// the same characters from the shortest round-trip digits of std::to_chars, in about half the
// time, and only the rare numbers whose 15-digit rounding those digits cannot decide take
// generalText itself.

#include <string>

namespace torval {

// Appends exactly the text generalText(value) returns.
void appendGeneralText(std::string& out, double value);

// Appends exactly the text printText(value) returns (" 1.5 ", "-2 ").
void appendPrintText(std::string& out, double value);

} // namespace torval
