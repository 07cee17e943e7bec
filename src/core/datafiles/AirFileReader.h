#pragma once
// Reads the output files of the PLUMEX air models (extensions box, gas, ind) into the
// ModelDataSet. The file opening calls ReadAirDataFile for the medium "air"; it then
// normalises the data and makes chemical 1 current (SelectAirChemical).
//
// An air file names its chemicals, describes them, and then gives every chemical's result in
// the body of its model (Box, Gaussian or Indoor Air). Each chemical's result goes into its
// own record of AirChemicalData, with four-index grids for the Gaussian model. Unlike the
// groundwater files these files mark their sections, and a marker out of place is refused with
// code 62 (shown as a file not in a recognised format).

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"
#include "shell/Prompter.h"

#include <string>
#include <string_view>

namespace torval {

// Reads the file at `path` into state.modelData with the busy pointer shown. A failure (53
// missing file, 62 wrong marker or truncated file, 776 a file without chemicals, 6 a count
// beyond 16 bits, ...) goes through ErrorReport with the path, and the result is false.
bool ReadAirDataFile(AppState& state, Prompter& prompter, const std::string& path);
bool ReadAirDataFile(AppState& state, Prompter& prompter, FreeFormatReader& reader,
                     std::string_view path);

// The reading itself: fills `data` and raises the run-time failure of the first fault. The
// data set keeps whatever was read before a failure.
void ReadAirData(FreeFormatReader& reader, ModelDataSet& data);

} // namespace torval
