#pragma once
// The bodies of the groundwater files that carry several species (mc1, mc2, mc3, mcu), read
// after the common header by ReadGroundwaterFile when MediumCode is 6. They fill ChemicalCount,
// ChemicalNames and one SpeciesData record per species; the file opening then makes species 1
// current (SelectSpecies).
//
// Every species shares the data set's axes, range texts and point counts; each record keeps a
// copy of the range texts and counts (the normalisation walks a record by its own counts),
// its source concentration, its layout, its result text and its own grid or Monte Carlo
// values. Nothing is multiplied by a source concentration: species files give absolute
// concentrations. The data set's own InitialConcentration is that of species 1.

#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

namespace torval {

// Runs the species body of the model named by SubModelName (exact case): "One Dimensional",
// "Two Dimensional", "Three Dimensional" or "Unsaturated One Dimensional". Any other name
// ("Time Varying" included) reads nothing and leaves the data set as it is.
void ReadSpeciesBody(ModelDataSet& data, FreeFormatReader& reader);

} // namespace torval
