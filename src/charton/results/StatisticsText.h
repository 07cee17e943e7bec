#pragma once
// The statistics of a results file as plain text, one "Label: value" line each, for
// `charton --statistics`: the figures the viewer's table shows, with every number in its
// shortest exact form so that a script can compare them with other programs' outputs.

#include "ResultsFile.h"

#include <optional>
#include <string>

namespace torval::charton {

// Intakes of a Monte Carlo analysis, and each variant under a "Variant: NAME" line: n, the
// minimum, percentiles, means, maximum and standard deviation. With a threshold, also the
// fraction of the values strictly above it. A regular result gives its one intake.
std::string statisticsText(const ResultsFile& file, std::optional<double> threshold);

} // namespace torval::charton
