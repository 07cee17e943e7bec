#pragma once
// Reads the output files of the PLUMEX surface-water models into the ModelDataSet: near field
// (spd, bpd, mpd), far field (rvr, est, lak, oce) and sediment (riv, etr, lke). The file
// opening calls ReadSurfaceWaterFile for the medium "surface water" and normalises the data
// afterwards.
//
// A surface-water file holds one chemical, entirely as comma-separated fields: a header naming
// the model and its sub type, the parameters of the sub type, the result, and either a Monte
// Carlo series or the regular output grid. The grid's coordinates are not in the file; they
// are built from the range texts of the parameters.

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"
#include "shell/Prompter.h"

#include <string>
#include <string_view>

namespace torval {

// Reads the file at `path` into state.modelData with the busy pointer shown. A failure (53
// missing file, 62 wrong marker or truncated file, 6 a count beyond 16 bits, 13 a malformed
// number where one is required, 5 a range text without its "to") goes through ErrorReport with
// the path, and the result is false. A file of a model or sub type this program does not know
// is only warned about ("Not recognizable datafile of surface watre!"): the result is true and
// DataType stays as it was (-1 after a reset).
bool ReadSurfaceWaterFile(AppState& state, Prompter& prompter, const std::string& path);
bool ReadSurfaceWaterFile(AppState& state, Prompter& prompter, FreeFormatReader& reader,
                          std::string_view path);

// The reading itself: fills `data` and raises the run-time failure of the first fault. Returns
// false when the file's model or sub type is not one this program reads (nothing of its body
// is read then).
bool ReadSurfaceWaterData(FreeFormatReader& reader, ModelDataSet& data);

} // namespace torval
