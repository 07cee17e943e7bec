#pragma once
// Where the program keeps the files it writes itself: torval.ini and the TempData directory.
// They belong in the application directory, beside the data shipped with the program; an
// installed copy cannot write there, so then they move to the user's own configuration and
// cache directories. Start-up asks once and keeps the answer in IniFilePath and the defaults.

#include "shell/DesktopEnvironment.h"

#include <string>
#include <string_view>

namespace torval {

struct DataLocations {
    std::string IniFilePath;
    std::string TempDataPath;

    bool operator==(const DataLocations&) const = default;
};

// The application directory, where the files shipped with the program live (help pages,
// pictures, sample data, the plot viewer) and the defaults of the settings point. An installed
// copy keeps its programs in <prefix>/bin and those files in <prefix>/share/torval, so a
// program directory with ../share/torval beside it gives that directory; a build tree or an
// unpacked copy keeps them beside the program, which gives the program directory itself.
std::string applicationDirectory(std::string_view programDir);

// The decision itself. A writable application directory holds both; otherwise torval.ini goes
// to <config>/torval/torval.ini and TempData to <cache>/torval/TempData, each falling back to
// the application directory when the user directory is unknown.
DataLocations dataLocations(std::string_view appPath, bool appPathWritable,
                            const UserDirectories& user);

// The decision for this machine; creates the user directories it chooses, so that the first
// save and the first results file find them.
DataLocations currentDataLocations(std::string_view appPath);

} // namespace torval
