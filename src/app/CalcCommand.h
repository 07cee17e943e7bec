#pragma once
// `torval-cli calc`: a saved analysis (*.tvl) calculated without windows. The file is read into
// a fresh state and the analysis window's Calculation command runs on it, with the Monte Carlo
// counts and tables exactly as saved (no new generation), so that a saved Monte Carlo analysis
// gives the same intakes every time. The results can then be written as torval.plt, as the
// results report (PDF or plain text), as CSV and as a new risk data file.

#include "shell/ChemicalRiskValues.h"
#include "shell/Prompter.h"

#include <ostream>
#include <string>

namespace torval::cli {

struct CalcRequest {
    std::string path;          // the risk data file to calculate
    std::string plotDirectory; // "" for none: where torval.plt is written
    std::string reportPath;    // "" for none: *.pdf renders a PDF, anything else plain text
    std::string savePath;      // "" for none: the analysis with its new results
    std::string csvPath;       // "" for none: one row per iteration
    RiskFactors risk;          // adds the risk and the hazard quotient when given
    bool json = false;
};

// Exit code when an output file could not be written.
inline constexpr int ExitFileNotWritten = 4;

// Prints the result (text or JSON) on `out`. Returns 0, 3 when the file could not be read or
// the calculation did not run to its end, 4 when an output could not be written. Messages of
// the run reach the prompter.
int runCalc(const CalcRequest& request, Prompter& prompter, std::ostream& out, std::ostream& err);

} // namespace torval::cli
