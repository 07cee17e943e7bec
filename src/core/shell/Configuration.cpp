#include "shell/Configuration.h"

#include "shell/DataLocations.h"
#include "shell/DesktopEnvironment.h"
#include "shell/ErrorReport.h"
#include "shell/GraphProgram.h"
#include "shell/Platform.h"
#include "shell/RegularFile.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <array>

namespace torval {

namespace {

using Setting = std::string AppSettings::*;

struct KeyWord {
    std::string_view word;
    Setting setting;
};

// Tried in this order; the first that occurs in the upper-cased line takes the line. The order
// matters: a temporary path such as C:\TEXTEDITOR\TMP sets the editor.
constexpr std::array ReadingOrder{
    KeyWord{"TEXTEDITOR", &AppSettings::TextEditorPath},
    KeyWord{"TEMPORARYDATAPATH", &AppSettings::TempDataPath},
    KeyWord{"AIRDATAPATH", &AppSettings::AirDataPath},
    KeyWord{"GROUNDWATERDATAPATH", &AppSettings::GroundwaterDataPath},
    KeyWord{"SURFACEPATH", &AppSettings::SurfaceDataPath},
    KeyWord{"PLANTPATH", &AppSettings::PlantDataPath},
    KeyWord{"TORVALPATH", &AppSettings::RiskDataPath},
    KeyWord{"GRAPH", &AppSettings::GraphProgramPath},
};

// A line of the written file: a fixed text, followed by a setting's value for entry lines.
struct FileLine {
    std::string_view text;
    Setting setting = nullptr;
};

constexpr std::array WrittenLines{
    FileLine{"[General]"},
    FileLine{"TextEditor=", &AppSettings::TextEditorPath},
    FileLine{"TemporaryDataPath=", &AppSettings::TempDataPath},
    FileLine{"[Surface Model]"},
    FileLine{"SurfacePath=", &AppSettings::SurfaceDataPath},
    FileLine{"[Plant and Animal Model]"},
    FileLine{"plantPath=", &AppSettings::PlantDataPath},
    FileLine{"[Air Model]"},
    FileLine{"AirDataPath=", &AppSettings::AirDataPath},
    FileLine{"[Ground Water Model]"},
    FileLine{"GroundWaterDataPath=", &AppSettings::GroundwaterDataPath},
    FileLine{"[Risk Model]"},
    FileLine{"TorvalPath=", &AppSettings::RiskDataPath},
    FileLine{"[Graphics]"},
    FileLine{"Graph=", &AppSettings::GraphProgramPath},
};

constexpr std::string_view LineEnd = "\r\n";

// The first bytes of a stream, at most limit of them, and why the reading stopped.
struct BoundedBytes {
    std::string bytes;
    bool failed = false;    // the device reported an error
    bool truncated = false; // more than limit bytes were there
};

BoundedBytes readAtMost(RegularFile& in, std::size_t limit) {
    BoundedBytes result;
    std::array<char, 16 * 1024> chunk{};
    try {
        while (result.bytes.size() <= limit) {
            const std::size_t wanted = std::min(chunk.size(), limit + 1 - result.bytes.size());
            const std::size_t got = in.read(chunk.data(), wanted);
            if (got == 0) {
                break;
            }
            result.bytes.append(chunk.data(), got);
        }
    } catch (const RunTimeError&) {
        result.failed = true;
    }
    if (result.bytes.size() > limit) {
        result.truncated = true;
        result.bytes.resize(limit);
    }
    return result;
}

// Lines end with CR LF, LF or a lone CR, as the data files' lines do. A last line without its
// end counts only when the whole file was read; after a stop it may be cut anywhere.
void applyLines(std::string_view bytes, bool wholeFile, AppSettings& settings) {
    std::size_t from = 0;
    while (from < bytes.size()) {
        std::size_t end = from;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        if (end == bytes.size() && !wholeFile) {
            return;
        }
        applyConfigurationLine(bytes.substr(from, end - from), settings);
        from = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

} // namespace

AppSettings DefaultSettings(std::string_view appPath, std::string_view tempDataPath,
                            std::string_view textEditorPath) {
    AppSettings defaults;
    defaults.TextEditorPath = std::string(textEditorPath);
    defaults.TempDataPath = toNativePath(tempDataPath);
    defaults.AirDataPath = joinPath(appPath, "PLUMEXData/air");
    defaults.GroundwaterDataPath = joinPath(appPath, "PLUMEXData/grndwatr");
    defaults.PlantDataPath = joinPath(appPath, "PLUMEXData/plant");
    defaults.SurfaceDataPath = joinPath(appPath, "PLUMEXData/surface");
    defaults.RiskDataPath = joinPath(appPath, "SampleDat");
    defaults.GraphProgramPath = graphProgramPath(appPath, GraphVersion::New);
    return defaults;
}

std::string configurationText(const AppSettings& settings) {
    std::string text;
    for (const FileLine& line : WrittenLines) {
        text.append(line.text);
        if (line.setting != nullptr) {
            text.append(settings.*line.setting);
        }
        text.append(LineEnd);
    }
    return text;
}

void applyConfigurationLine(std::string_view line, AppSettings& settings) {
    const std::string upper = upperCase(line);
    const auto key = std::find_if(ReadingOrder.begin(), ReadingOrder.end(),
                                  [&](const KeyWord& k) { return contains(upper, k.word); });
    if (key != ReadingOrder.end()) {
        settings.*(key->setting) = ValueAfter(line, "=");
    }
}

void readConfigurationInto(std::string_view path, AppSettings& settings) {
    const std::string native = toNativePath(trimBlanksView(path));
    RegularFile in(native); // a directory, a device or a pipe is refused at once
    const BoundedBytes read = readAtMost(in, MaxConfigurationBytes);
    applyLines(read.bytes, !read.failed && !read.truncated, settings);
    if (read.failed) {
        throw RunTimeError(ErrorCode::DiskNotReady, "reading \"" + native + "\"");
    }
    if (read.truncated) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "\"" + native + "\" is too large");
    }
}

AppSettings LoadConfiguration(std::string_view path) {
    AppSettings settings;
    readConfigurationInto(path, settings);
    return settings;
}

void writeConfigurationFile(std::string_view path, const AppSettings& settings,
                            const SinkOpener& openSink) {
    replaceFileContents(path, configurationText(settings), openSink);
}

bool WriteConfiguration(Prompter& prompter, std::string_view path, const AppSettings& settings,
                        const SinkOpener& openSink) {
    prompter.setBusy(true);
    try {
        writeConfigurationFile(path, settings, openSink);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
    prompter.setBusy(false);
    return true;
}

StartupConfiguration LoadOrDefaultConfiguration(Prompter& prompter, std::string_view iniFilePath,
                                                const std::function<AppSettings()>& defaults) {
    StartupConfiguration loaded;
    loaded.IniFilePath = std::string(iniFilePath);
    if (!FileExists(iniFilePath)) {
        loaded.settings = defaults();
    } else {
        try {
            readConfigurationInto(iniFilePath, loaded.settings);
        } catch (const std::exception& failure) {
            reportFailure(prompter, failure, iniFilePath, "");
        }
    }
    loaded.GraphCommand = graphCommandFor(loaded.settings.GraphProgramPath);
    return loaded;
}

StartupConfiguration LoadStartupConfiguration(Prompter& prompter, std::string_view appPath,
                                              std::string_view windowsDirectory) {
    const DataLocations where = currentDataLocations(appPath);
    return LoadOrDefaultConfiguration(prompter, where.IniFilePath, [&] {
        return DefaultSettings(appPath, where.TempDataPath, defaultTextEditor(windowsDirectory));
    });
}

} // namespace torval
