#pragma once
// torval.ini: the one persistent configuration. Start-up reads it once (or takes the defaults
// when there is none) and the Preferences window writes it on Save.
//
// The reader is forgiving in the way the program has always been: it ignores sections and
// recognises an entry by its key word anywhere in the line, so hand-edited files, sections in
// another order and blanks around "=" all read the same. The writer always produces the same
// fifteen CR LF lines, so a written file reads back to exactly the settings that were written.
//
// A file is read only up to MaxConfigurationBytes: a foreign or runaway file (a huge log, a
// device, a binary) is reported instead of being held in memory.

#include "shell/AppSettings.h"
#include "shell/FileReplacement.h"
#include "shell/Prompter.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace torval {

// Far more than fifteen lines of the longest paths any system allows.
inline constexpr std::size_t MaxConfigurationBytes = 1024 * 1024;

// The settings of a fresh installation. appPath is the application directory without a
// trailing separator, tempDataPath where TempData lives (see DataLocations) and textEditorPath
// the editor this desktop offers (see defaultTextEditor).
AppSettings DefaultSettings(std::string_view appPath, std::string_view tempDataPath,
                            std::string_view textEditorPath);

// The exact bytes of the file for these settings: fifteen lines, each ended by CR LF.
std::string configurationText(const AppSettings& settings);

// Applies the entries of one line to the settings; a line without a key word changes nothing.
void applyConfigurationLine(std::string_view line, AppSettings& settings);

// Reads the file's entries into settings, which the caller starts empty: an existing file gets
// no defaults, so a key it lacks stays empty. A key on several lines keeps its last value.
// Raises 53 when the file cannot be opened and 71 when reading it fails; a file larger than
// MaxConfigurationBytes has the whole lines of its first MaxConfigurationBytes applied and then
// raises 62. Whatever was read before a failure stays in settings.
void readConfigurationInto(std::string_view path, AppSettings& settings);

// readConfigurationInto over empty settings.
AppSettings LoadConfiguration(std::string_view path);

// Replaces the file with configurationText, all or nothing (see FileReplacement.h for the
// codes it raises).
void writeConfigurationFile(std::string_view path, const AppSettings& settings,
                            const SinkOpener& openSink = openFileSink);

// writeConfigurationFile under the busy pointer; a failure is reported through ErrorReport with
// the file's path and gives false. The previous file is then untouched.
bool WriteConfiguration(Prompter& prompter, std::string_view path, const AppSettings& settings,
                        const SinkOpener& openSink = openFileSink);

// What start-up keeps of the configuration.
struct StartupConfiguration {
    std::string IniFilePath;
    AppSettings settings;
    std::string GraphCommand; // GraphProgramPath and one blank

    bool operator==(const StartupConfiguration&) const = default;
};

// The settings of the file at iniFilePath, or defaults() when no file is there. A failure while
// reading is reported with the file's path and keeps what was read before it; the file is never
// written here.
StartupConfiguration LoadOrDefaultConfiguration(Prompter& prompter, std::string_view iniFilePath,
                                                const std::function<AppSettings()>& defaults);

// Start-up's one call: decides where torval.ini and TempData live for the application
// directory (see DataLocations), then loads or defaults the settings, the editor default coming
// from the desktop and windowsDirectory (the directory standing in for the Windows directory).
StartupConfiguration LoadStartupConfiguration(Prompter& prompter, std::string_view appPath,
                                              std::string_view windowsDirectory);

} // namespace torval
