#pragma once
// The input data section of the risk data file: the analysis input (RiskInput) with the
// parameters of its current pathway only, from "[Begin Input Data]" to the blank line after
// "[End Input Data]". The other pathways' parameters are neither written nor read.

#include "datafiles/FreeFormatReader.h"
#include "intake/RiskInput.h"

#include <span>
#include <string>
#include <string_view>

namespace torval {

// The labels of the pathway's parameters in the file, in the order of its parameter set; they
// differ from the labels the analysis window shows. Raises 9 for a code outside 0..8.
std::span<const std::string_view> riskFileParameterLabels(int intakeType);

void WriteInputDataSection(std::string& out, const RiskInput& input);

// Reads the section (blank lines before it skipped). An Intake Type outside 0..8 is a file of
// another format (62).
void ReadInputDataSection(FreeFormatReader& in, RiskInput& input);

} // namespace torval
