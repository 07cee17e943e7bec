#pragma once
// The reader of the groundwater models' output files: single species (one, two, tri, var, u1d,
// jur) and multiple species (mc1, mc2, mc3, mcu). It reads the header that every groundwater
// file shares, then the body of the model the header names, chosen by MediumCode: 2 runs the
// single-species bodies, 6 the species bodies. The file opening (LoadDataFile) calls it on a
// data set it has just reset.
//
// The file is read strictly in order: most lines are skipped unread, and their number is part
// of the format (docs/file-formats-groundwater.md gives every line). A model name without a
// body, or another MediumCode, reads only the header and the closing line.

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"
#include "shell/Prompter.h"

#include <string>
#include <string_view>

namespace torval {

// Reads the file into state.modelData. A failure on the way (the file missing, ending early,
// a count out of range, a malformed number) is reported through ErrorReport with the path and
// answers false; what was read until then stays in the data set.
bool ReadGroundwaterFile(AppState& state, Prompter& prompter, const std::string& path);

// The same over a file already in memory; `path` names it in the failure message.
bool ReadGroundwaterFile(AppState& state, Prompter& prompter, FreeFormatReader& reader,
                         std::string_view path);

// The common header: title, comments, model, aquifer, contaminant and unit lines. Raises the
// failure of the read.
void ReadGroundwaterHeader(ModelDataSet& data, FreeFormatReader& reader);

} // namespace torval
