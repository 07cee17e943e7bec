#pragma once
// The per-chemical blocks that close the model data section of a risk data file: one block
// per chemical of an air data set (AirChemicalData), or one per species of a groundwater data
// set with several species (SpeciesData). Each keeps its own labels, spellings included.
// The section (RiskModelDataSection) decides which blocks a data set has.

#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

#include <string>

namespace torval {

// Air: every chemical's name, layout and, for layouts 0, 10 and 17, its data. A record's
// range texts, initial concentration and, outside layout 0, its Monte Carlo count are not
// kept.
void WriteAirChemicalBlocks(std::string& out, const ModelDataSet& data);
// Sizes ChemicalNames and AirChemicalData 1..ChemicalCount and fills every record afresh.
void ReadAirChemicalBlocks(FreeFormatReader& in, ModelDataSet& data);

// Groundwater species: the current species, then every species' name, layout and, for
// layouts 0, 11, 14 and 17, its data; species grids lie on the data set's own axes.
void WriteSpeciesBlocks(std::string& out, const ModelDataSet& data);
// Sizes ChemicalNames and SpeciesData 1..ChemicalCount, fills every record afresh and reads
// the data set's axes again from the species grids.
void ReadSpeciesBlocks(FreeFormatReader& in, ModelDataSet& data);

} // namespace torval
