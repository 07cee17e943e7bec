#pragma once
// The pathway part of the results report: a bold title and one line per parameter of the
// pathway, its label in bold and, at column 30, the entered text followed by the unit. The
// labels and units are the report's own; they differ in places from those of the analysis
// window and of the results file.

#include "intake/RiskInput.h"
#include "reports/ReportBuilder.h"

#include <string_view>

namespace torval {

// The section of input.IntakeType, given that pathway's parameters; raises 9 for a code outside
// 0..8 or a parameter set shorter than the pathway's.
void PrintPathwaySection(ReportBuilder& report, const RiskInput& input);

// The section shared by the three food pathways: the fish title when the kind contains "fish",
// else the vegetables title when it contains "vegetable", else the meat title.
void PrintFoodSection(ReportBuilder& report, const PathwayParameters& parameters,
                      std::string_view kind);

} // namespace torval
