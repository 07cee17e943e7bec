#pragma once
// The general and print forms of NumberText.h appended to a text in place, for files that write
// millions of numbers: the same characters as generalText and printText, without a string per
// number.

#include <string>

namespace torval {

void appendGeneralText(std::string& out, double value);
void appendPrintText(std::string& out, double value);

} // namespace torval
