#pragma once
// The risk data file (*.tvl) as a whole: one saved analysis (the input, the loaded data set,
// the last results and the Monte Carlo tables) in four sections and a closing "[End File]".
// The dialogs and the File commands call WriteRiskDataFile and ReadRiskDataFile; the
// command-line program, the fuzz target and the tests use the text-level pair beneath them.
//
// The Monte Carlo tables live twice: the file is written from the saved copy (copied back into
// the working tables first) and, once read, the working tables are copied to the saved copy.
//
// A save builds the whole text first and then replaces the file in one step, so a failed save
// (disk full, unwritable directory) leaves the previous file byte for byte as it was.

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"
#include "shell/FileReplacement.h"
#include "shell/Prompter.h"

#include <string>

namespace torval {

// The whole file's text. Copies the saved Monte Carlo tables into the working ones on the way.
std::string RiskDataFileContents(AppState& state);

// Reads the four sections and the closing line into the state and copies the working Monte
// Carlo tables to the saved copy. A failure leaves the sections read before it in place.
// Raises 62 for a wrong marker or a cut file, and the codes of the conversions (13, 6).
void ReadRiskData(FreeFormatReader& in, AppState& state);

// Both show the busy pointer while they run, report a failure with the path (ErrorReport) and
// return false after one, whatever the report answers. A read sets FileName on success.
bool WriteRiskDataFile(AppState& state, Prompter& prompter, const std::string& path,
                       const SinkOpener& openSink = openFileSink);
bool ReadRiskDataFile(AppState& state, Prompter& prompter, const std::string& path);

} // namespace torval
