#pragma once
// The Monte Carlo data section of the risk data file: the working Monte Carlo tables of every
// chemical (variant rows, statistics rows and the generated values of each statistics row),
// from "[Begin Monte Carlo Data]" to "[End MonteCarlo Data]".
//
// Inside the section every line is one item, an empty text being an empty line, so no line
// may be added or removed there; only the markers are compared trimmed, and blank lines are
// skipped before the first marker and between chemicals.
//
// The number of chemicals is not written: it is the number of chemical blocks, and the reader
// takes MCChemicalCount from the file rather than trusting the state it reads into.

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"

#include <string>

namespace torval {

// A MonteCarloCount of 0 becomes 1 first, so the section always states at least one iteration.
void WriteMonteCarloSection(std::string& out, AppState& state);

// Reads the section; 62 for a wrong or missing marker, no chemical block or a count below its
// least (rows 0, MonteCarloCount 1). Sets the row counts, MonteCarloCount, MCChemicalCount,
// the three tables (sized from 1; a table with no rows or values is left unallocated) and
// MCCurrentChemical, the data set's current chemical within 1..MCChemicalCount. The state is
// changed only once the whole section has been read.
void ReadMonteCarloSection(FreeFormatReader& in, AppState& state);

} // namespace torval
