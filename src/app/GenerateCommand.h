#pragma once
// `torval-cli generate`: one Monte Carlo variant generated as the Monte Carlo window's Generate
// does it, through the same checks, the same call of the generator library and the same
// statistics, printed instead of shown in the grids.

#include "shell/Prompter.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace torval::cli {

struct GenerateRequest {
    std::string distribution;
    std::string mean;
    std::string variance;
    std::string minimum;
    std::string maximum;
    std::string terms;
    std::optional<std::uint64_t> seed; // as TORVAL_SEED would set it
    bool latinHypercube = false;       // --sampling lhs
};

// Prints the terms + 1 values one per line in the general text form, then the statistics;
// returns ExitSuccess. A variant the checks refuse, or a run-time failure, is reported through
// the prompter and returns ExitRunTimeError with nothing on `out`.
int runGenerate(const GenerateRequest& request, Prompter& prompter, std::ostream& out,
                std::ostream& err);

} // namespace torval::cli
