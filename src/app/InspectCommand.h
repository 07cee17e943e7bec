#pragma once
// `torval-cli inspect FILE`: opens a transport-model file as New Application and the data-file
// dialog would, and prints the loaded data set as one JSON object (texts in UTF-8).

#include "shell/Prompter.h"

#include <optional>
#include <ostream>
#include <string>

namespace torval::cli {

struct InspectRequest {
    std::string path;
    std::optional<int> medium;   // overrides the medium code implied by the extension
    std::optional<int> chemical; // the chemical to make current, 1-based
    bool grid = false;           // also print the axes and the grid cells
};

int runInspect(const InspectRequest& request, Prompter& prompter, std::ostream& out,
               std::ostream& err);

} // namespace torval::cli
