#include "shell/DataLocations.h"

#include "shell/Platform.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace torval {

namespace {

constexpr std::string_view IniFileName = "torval.ini";
constexpr std::string_view TempDataName = "TempData";
constexpr std::string_view UserSubdirectory = "torval";
constexpr std::string_view InstalledFiles = "../share/torval";

std::string inUserDirectory(std::string_view base, std::string_view name) {
    return joinPath(joinPath(base, UserSubdirectory), name);
}

// A directory that cannot be made now shows itself later, when a file written into it fails
// with its own message.
void createQuietly(const std::string& directory) {
    std::error_code ignored;
    fs::create_directories(fs::path(directory), ignored);
}

} // namespace

std::string applicationDirectory(std::string_view programDir) {
    const std::string beside = withoutTrailingSeparator(programDir);
    const std::string installed = joinPath(beside, InstalledFiles);
    if (!DirectoryExists(installed)) {
        return beside;
    }
    // The program's own directory comes with its links resolved, so ".." names its parent.
    return withoutTrailingSeparator(fs::path(installed).lexically_normal().string());
}

DataLocations dataLocations(std::string_view appPath, bool appPathWritable,
                            const UserDirectories& user) {
    DataLocations inApplication{joinPath(appPath, IniFileName), joinPath(appPath, TempDataName)};
    if (appPathWritable) {
        return inApplication;
    }
    return {user.config.empty() ? inApplication.IniFilePath
                                : inUserDirectory(user.config, IniFileName),
            user.cache.empty() ? inApplication.TempDataPath
                               : inUserDirectory(user.cache, TempDataName)};
}

DataLocations currentDataLocations(std::string_view appPath) {
    const bool writable = isWritableDirectory(appPath);
    const DataLocations chosen = dataLocations(appPath, writable, userDirectories());
    if (!writable) {
        createQuietly(fs::path(chosen.IniFilePath).parent_path().string());
        createQuietly(chosen.TempDataPath);
    }
    return chosen;
}

} // namespace torval
