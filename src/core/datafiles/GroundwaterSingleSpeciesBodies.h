#pragma once
// The bodies of the single-species groundwater files (one, two, tri, var, u1d, jur), read after
// the common header by ReadGroundwaterFile. Each body reads its parameter lines, its source
// concentration and its result: a Monte Carlo block or a grid. Grid and Monte Carlo values are
// relative to the source concentration and come out multiplied by it, except in time-varying
// files, whose values are stored as read.

#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

namespace torval {

// Runs the body of the model named by SubModelName (exact case); a name without a
// single-species body reads nothing and leaves the data set as it is.
void ReadSingleSpeciesBody(ModelDataSet& data, FreeFormatReader& reader);

} // namespace torval
