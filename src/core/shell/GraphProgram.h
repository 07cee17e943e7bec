#pragma once
// The plotting utility comes in two versions shipped under the application directory; the
// settings keep the path of the chosen one and the Preferences window offers the choice.

#include <string>
#include <string_view>

namespace torval {

enum class GraphVersion { New, Original };

// The path of the version's program under the application directory: charton/charton for the
// new version, charton/charton1 for the original (each with this system's executable suffix).
std::string graphProgramPath(std::string_view appPath, GraphVersion version);

// Original when the lower-cased file name of the path contains the original version's program
// name, New for anything else (an empty path or another program included).
GraphVersion graphVersionOf(std::string_view graphProgramPath);

// The prefix of the plotting utility's command line: the program path and one blank.
std::string graphCommandFor(std::string_view graphProgramPath);

} // namespace torval
