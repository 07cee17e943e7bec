#pragma once
// The results file torval.plt: what the text editor shows and the plotting utility draws. It is
// written afresh into the temporary directory each time results are viewed, by the analysis
// window (the intake analysis, below) or by the Monte Carlo window (MonteCarloFile.h).
// Its lines end in CR LF and hold Windows-1252 bytes
// (UTF-8 when a text has a character outside the code page; see shell/TextEncoding.h).

#include "AppState.h"

#include <string>
#include <string_view>

namespace torval {

// The results file in the directory: the trimmed directory, one native separator and
// "torval.plt", whether or not the directory already ends in a separator. An empty directory
// gives the bare name (the current directory) rather than a root path.
std::string PlotFileName(std::string_view directory);

// The results file's content for the intake analysis of the state: headers, the pathway's
// title and parameter lines, the file names and the intake (or every simulated intake). Raises
// 9 for a pathway code outside 0..8.
std::string WritePlotFile(const AppState& state);

} // namespace torval
