#pragma once
// `torval-cli intake`: one regular evaluation of the intake from texts given on the command
// line, through the same resolution and equations as the analysis window's calculation.

#include "shell/Prompter.h"

#include <ostream>
#include <string>
#include <vector>

namespace torval::cli {

struct IntakeRequest {
    int pathway = 0;
    std::string concentration;
    std::vector<std::string> parameters; // in the order of the pathway's set, as typed
};

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitRunTimeError = 3;

// Prints the intake on `out` and returns ExitSuccess; a run-time failure is reported through
// the prompter (and on `err` when its code shows no message) and returns ExitRunTimeError.
// The request must already hold a valid pathway and the right number of parameters.
int runIntake(const IntakeRequest& request, Prompter& prompter, std::ostream& out,
              std::ostream& err);

} // namespace torval::cli
