#pragma once
// The model data section of a risk data file: the loaded ModelDataSet as a saved analysis
// keeps it, so that the analysis opens again without its transport-model file. The whole-file
// writer and reader (RiskDataFile) call these two between the input data and the risk output
// sections.
//
// The section runs from "[Begin PLUMEX Data]" to "[End PLUMEX Data]" and one blank line. When
// the analysis does not use model data it stops after the layout code. Otherwise it holds the
// header fields, the data block of the layout (Monte Carlo values, or the grid with its axes)
// and, for air and for groundwater with several species, one block per chemical.

#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

#include <string>

namespace torval {

// Appends the section, from "[Begin PLUMEX Data]" to the blank line after "[End PLUMEX Data]".
// Raises 9 when an array holds fewer values than its count says.
void WriteModelDataSection(std::string& out, const ModelDataSet& data, bool modelDataUsed);

// Reads the section written by WriteModelDataSection (the reader is positioned on its first
// line) into `data`, up to and including "[End PLUMEX Data]": the blank line after it is left
// to the next section's reader, which skips blank lines before its marker, so that a file
// whose editor dropped that line still opens. Only what the section holds is replaced; arrays
// read are sized from 1. Raises 62 past the end of the file or on a line out of step with the
// layout, 13 for a count or number that is not one, 6 for one beyond its range, 7 for a grid
// beyond memory. What was read before a failure stays read.
void ReadModelDataSection(FreeFormatReader& in, ModelDataSet& data, bool modelDataUsed);

} // namespace torval
