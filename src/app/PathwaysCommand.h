#pragma once
// `torval-cli pathways`: the nine pathways with their parameters, units and suggested values,
// and the intake each gives for one concentration with the first suggested value of every
// parameter. It is what `make run` shows, and a quick way to see the pathway table.

#include "shell/Prompter.h"

#include <ostream>
#include <string>

namespace torval::cli {

int runPathways(const std::string& concentration, Prompter& prompter, std::ostream& out,
                std::ostream& err);

} // namespace torval::cli
