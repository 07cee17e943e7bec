#pragma once
// What the user's desktop offers the program's defaults: the base directories for per-user
// configuration and cache files, whether a directory can be written, the name executables carry
// and the text editor to open results in. The configuration's defaults are built from these.
//
// Each query that reads the environment or the disk has a pure twin taking those inputs, so the
// decisions are testable without touching the real desktop.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// Per-user base directories (the XDG base directories, or what stands in for them); empty when
// the environment does not tell.
struct UserDirectories {
    std::string config;
    std::string cache;

    bool operator==(const UserDirectories&) const = default;
};

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// XDG_CONFIG_HOME, else $HOME/.config, else %APPDATA%; XDG_CACHE_HOME, else $HOME/.cache, else
// %LOCALAPPDATA%. A value that is empty or not an absolute path is skipped, as the XDG rules ask.
UserDirectories userDirectoriesFrom(const EnvironmentLookup& environment);
UserDirectories userDirectories();

// True when a file can be created in the directory: the only honest test across systems,
// permissions, read-only mounts and access control lists, so it creates and removes a probe file.
bool isWritableDirectory(std::string_view directory);

// The base name of a program with the suffix executables carry here (".exe" on Windows).
std::string executableName(std::string_view base);

// Where an editor may be found, and how to tell that a candidate exists.
struct EditorSearch {
    std::vector<std::string> candidates;  // program names, in order of preference
    std::vector<std::string> directories; // searched in order for each candidate
    std::string fallback;                 // used when no candidate exists anywhere
    std::function<bool(const std::string& path)> exists;
};

// The full path of the first candidate found (candidates in order, each in every directory in
// order); otherwise the fallback.
std::string findTextEditor(const EditorSearch& search);

// The text editor the defaults name. On Windows notepad.exe in the Windows directory, upper-cased
// as the program has always shown it. Elsewhere the first of the usual desktop editors (gedit,
// gnome-text-editor, kate, mousepad, xed, pluma) found on PATH or in the program directory that
// stands in for the Windows directory, else xdg-open (by its full path when found).
std::string defaultTextEditor(std::string_view windowsDirectory);

// The directories of a PATH value, in order; empty entries are dropped.
std::vector<std::string> searchPathDirectories(std::string_view pathValue);

} // namespace torval
