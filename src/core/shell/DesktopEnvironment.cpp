#include "shell/DesktopEnvironment.h"

#include "shell/Platform.h"
#include "shell/Text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace torval {

namespace {

const std::vector<std::string>& desktopEditors() {
    static const std::vector<std::string> editors = {
        "gedit", "gnome-text-editor", "kate", "mousepad", "xed", "pluma"};
    return editors;
}

std::optional<std::string> absoluteValue(const EnvironmentLookup& environment, const char* name) {
    std::optional<std::string> value = environment(name);
    if (!value || value->empty() || !fs::path(*value).is_absolute()) {
        return std::nullopt;
    }
    return value;
}

// The first of: the variable itself, $HOME with the subdirectory, the Windows variable.
std::string baseDirectory(const EnvironmentLookup& environment, const char* variable,
                          std::string_view homeSubdirectory, const char* windowsVariable) {
    if (auto value = absoluteValue(environment, variable)) {
        return toNativePath(*value);
    }
    if (auto home = absoluteValue(environment, "HOME")) {
        return joinPath(*home, homeSubdirectory);
    }
    if (auto value = absoluteValue(environment, windowsVariable)) {
        return toNativePath(*value);
    }
    return {};
}

std::optional<std::string> environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::string> firstExisting(const std::string& name, const EditorSearch& search) {
    for (const std::string& directory : search.directories) {
        std::string candidate = joinPath(directory, name);
        if (search.exists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::string probeName() {
    return ".torval-write-probe-" + std::to_string(std::random_device{}());
}

} // namespace

UserDirectories userDirectoriesFrom(const EnvironmentLookup& environment) {
    return {baseDirectory(environment, "XDG_CONFIG_HOME", ".config", "APPDATA"),
            baseDirectory(environment, "XDG_CACHE_HOME", ".cache", "LOCALAPPDATA")};
}

UserDirectories userDirectories() {
    return userDirectoriesFrom(environmentVariable);
}

bool isWritableDirectory(std::string_view directory) {
    if (trimBlanksView(directory).empty()) {
        return false; // not a directory, and the probe would land in the current one
    }
    const std::string probe = joinPath(directory, probeName());
    bool created = false;
    {
        std::ofstream file(fs::path(probe), std::ios::binary);
        created = file.is_open();
    }
    std::error_code ignored;
    fs::remove(fs::path(probe), ignored);
    return created;
}

std::string executableName(std::string_view base) {
    return std::string(base) + (onWindows() ? ".exe" : "");
}

std::string findTextEditor(const EditorSearch& search) {
    for (const std::string& name : search.candidates) {
        if (auto found = firstExisting(name, search)) {
            return *found;
        }
    }
    return search.fallback;
}

std::vector<std::string> searchPathDirectories(std::string_view pathValue) {
    std::vector<std::string> directories;
    std::size_t from = 0;
    while (from <= pathValue.size()) {
        std::size_t end = pathValue.find(pathListSeparator(), from);
        if (end == std::string_view::npos) {
            end = pathValue.size();
        }
        if (end > from) {
            directories.emplace_back(pathValue.substr(from, end - from));
        }
        from = end + 1;
    }
    return directories;
}

std::string defaultTextEditor(std::string_view windowsDirectory) {
    if (onWindows()) {
        const std::string notepad = joinPath(windowsDirectory, "notepad.exe");
        return caseInsensitiveFileSystem() ? upperCase(notepad) : notepad;
    }
    std::vector<std::string> directories =
        searchPathDirectories(environmentVariable("PATH").value_or(""));
    if (!windowsDirectory.empty()) {
        directories.emplace_back(windowsDirectory);
    }
    const auto exists = [](const std::string& path) { return FileExists(path); };
    const EditorSearch opener{{"xdg-open"}, directories, "xdg-open", exists};
    const EditorSearch search{desktopEditors(), directories, findTextEditor(opener), exists};
    return findTextEditor(search);
}

} // namespace torval
