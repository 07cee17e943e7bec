#pragma once
// The risk output section of the risk data file: the result text of the last calculation and,
// for a Monte Carlo result, the intake of every iteration, from "[Begin Risk Output Data]" to
// the blank line after "[End Risk Output Data]".

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"

#include <string>
#include <string_view>

namespace torval {

// A result text containing "monte" in any letter case is a Monte Carlo result.
bool isMonteCarloResultText(std::string_view resultText);

void WriteRiskOutputSection(std::string& out, const AppState& state);

// Sets ResultText; for a Monte Carlo result also ResultCount and IntakeResults
// (1..ResultCount, values in 1..ResultCount-1; left unallocated for a count of 0).
void ReadRiskOutputSection(FreeFormatReader& in, AppState& state);

} // namespace torval
