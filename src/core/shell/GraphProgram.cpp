#include "shell/GraphProgram.h"

#include "shell/DesktopEnvironment.h"
#include "shell/Platform.h"
#include "shell/Text.h"

namespace torval {

namespace {

constexpr std::string_view GraphDirectory = "charton";

std::string programName(GraphVersion version) {
    return executableName(version == GraphVersion::Original ? "charton1" : "charton");
}

} // namespace

std::string graphProgramPath(std::string_view appPath, GraphVersion version) {
    return joinPath(joinPath(appPath, GraphDirectory), programName(version));
}

GraphVersion graphVersionOf(std::string_view graphProgramPath) {
    const std::string name = lowerCase(FileNameOf(graphProgramPath));
    return contains(name, programName(GraphVersion::Original)) ? GraphVersion::Original
                                                               : GraphVersion::New;
}

std::string graphCommandFor(std::string_view graphProgramPath) {
    return std::string(graphProgramPath) + " ";
}

} // namespace torval
