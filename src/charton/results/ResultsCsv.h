#pragma once
// The values of a results file as comma-separated text: one row per iteration, one column per
// series (the intakes, or each variant by name), every number in its shortest exact form.

#include "ResultsFile.h"

#include <string>

namespace torval::charton {

std::string resultsCsv(const ResultsFile& file);

// The shortest text that reads back to exactly the value.
std::string shortestNumber(double value);

} // namespace torval::charton
