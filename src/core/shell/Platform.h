#pragma once
// Everything that depends on the operating system the program runs on: path separators, file
// and directory tests, free disk space and where the program itself lives. No other file of the
// program asks which system it is on; callers state what they need and this layer answers it
// the native way.
//
// Paths typed by the user or stored in settings may use "/" or "\" whatever the system; the
// queries below accept both.

#include <string>
#include <string_view>
#include <vector>

namespace torval {

// True when the trimmed path names an existing entry that is not a directory (hidden files
// included; a link counts as what it points to). Never throws: an empty path or any failure of
// the query (no such directory, no permission, a malformed path) gives false.
bool FileExists(std::string_view path);

// As FileExists, but an existing directory gives true as well as an existing file.
bool DirectoryExists(std::string_view path);

// The space, in KB (bytes / 1024), that the program may still write on the file system holding
// the directory: the space available to this user, which is what decides whether a file can be
// saved. Raises RunTimeError 71 (disk not ready) when the file system cannot be asked, for
// instance because the directory does not exist.
double FreeDiskSpaceKB(std::string_view directory);

char nativeSeparator();

// The path with every "/" and "\" turned into the native separator; nothing else changes (no
// trimming, no resolution of "." or "..").
std::string toNativePath(std::string_view path);

// The directory and the name with exactly one separator between them, whatever separators dir
// ends with or name starts with, as a native path (every separator in it native). An empty dir
// gives just the name, so a relative name never becomes a root path by accident.
std::string joinPath(std::string_view dir, std::string_view name);

// The directory of the running executable, without a trailing separator (unless it is the root).
// When the system cannot tell, the current directory stands in for it.
std::string programDirectory();

// The directory without its trailing separators, so that a name joined to it gets exactly one.
// A root ("/", "C:\") keeps its separator: without it, it would no longer name the root.
std::string withoutTrailingSeparator(std::string_view directory);

// Where the system keeps its own programs, ending in a separator: the Windows directory on
// Windows, /usr/bin/ elsewhere. Settings that name a system program (the text editor) are
// looked up there.
std::string systemProgramDirectory();

// The roots the user can browse from: every drive ("C:\", "D:\") on Windows, "/" elsewhere.
std::vector<std::string> driveRoots();

// The names of the subdirectories (links to directories included), and of the files, directly
// inside the directory, sorted without regard to letter case. Entries the system hides
// (names starting with "." outside Windows) are left out. A directory that cannot be read gives
// an empty list: the browser then just shows nothing there.
std::vector<std::string> listSubdirectories(std::string_view directory);
std::vector<std::string> listFiles(std::string_view directory);

// Whether two names that differ only in letter case name the same file, which decides whether
// the program may upper-case a path that flows back into a setting or an open call.
bool caseInsensitiveFileSystem();

// Whether the program runs on Windows, where programs end in ".exe" and the default text
// editor is notepad.
bool onWindows();

// What separates the directories of the PATH variable: ";" on Windows, ":" elsewhere.
char pathListSeparator();

} // namespace torval
