#include "datafiles/DataFileOpening.h"

#include "datafiles/ModelDataSetOps.h"
#include "shell/ErrorReport.h"
#include "shell/Platform.h"
#include "shell/RegularFile.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace torval {

const std::string_view DataFileFilter =
    "Air (*.box;*.gas;*.ind)|*.box;*.gas;*.ind|Groundwater - Single Species (*.one; *.two; "
    "*.tri; *.var; *.u1d)|*.one;*.two;*.tri;*.var;*.u1d"
    "|Groundwater - Multiple Species (*.mc1; *.mc2; *.mc3; *.mcu)|*.mc1; *.mc2; *.mc3; *.mcu"
    "|Surface Water - Near Field (*.spd;*.bpd;*.mpd)|*.spd;*.bpd;*.mpd|Surface Water - Far "
    "Field (*.rvr;*.est;*.lak;*.oce)|*.rvr;*.est;*.lak;*.oce|Surface Water - Sediment "
    "(*.riv;*.etr;*.lke)|*.riv;*.etr;*.lke";

namespace {

struct ExtensionMedium {
    std::string_view extension;
    std::string_view medium;
    std::int16_t mediumCode;
};

constexpr std::array<ExtensionMedium, 23> ExtensionMedia{{
    {"box", "Air", Medium::Air},
    {"gas", "Air", Medium::Air},
    {"ind", "Air", Medium::Air},
    {"one", "Groundwater", Medium::Groundwater},
    {"two", "Groundwater", Medium::Groundwater},
    {"tri", "Groundwater", Medium::Groundwater},
    {"var", "Groundwater", Medium::Groundwater},
    {"u1d", "Groundwater", Medium::Groundwater},
    {"jur", "Groundwater", Medium::Groundwater},
    {"mc1", "Groundwater", Medium::GroundwaterMultipleSpecies},
    {"mc2", "Groundwater", Medium::GroundwaterMultipleSpecies},
    {"mc3", "Groundwater", Medium::GroundwaterMultipleSpecies},
    {"mcu", "Groundwater", Medium::GroundwaterMultipleSpecies},
    {"spd", "Surface Water", Medium::SurfaceNearField},
    {"bpd", "Surface Water", Medium::SurfaceNearField},
    {"mpd", "Surface Water", Medium::SurfaceNearField},
    {"rvr", "Surface Water", Medium::SurfaceFarField},
    {"est", "Surface Water", Medium::SurfaceFarField},
    {"lak", "Surface Water", Medium::SurfaceFarField},
    {"oce", "Surface Water", Medium::SurfaceFarField},
    {"riv", "Surface Water", Medium::SurfaceSediment},
    {"etr", "Surface Water", Medium::SurfaceSediment},
    {"lke", "Surface Water", Medium::SurfaceSediment},
}};

// The extension is what follows the first "." of the file's name. Only the name counts: a
// dotted directory on the way to the file ("~/.local/share", "C:\My.Data") says nothing
// about the file.
const ExtensionMedium* extensionMediumOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    const auto dot = name.find('.');
    if (dot == std::string::npos) {
        return nullptr;
    }
    const std::string extension = lowerCase(std::string_view(name).substr(dot + 1));
    const auto found =
        std::find_if(ExtensionMedia.begin(), ExtensionMedia.end(),
                     [&](const ExtensionMedium& e) { return e.extension == extension; });
    return found == ExtensionMedia.end() ? nullptr : &*found;
}

struct ModelDirectory {
    std::string_view modelName;
    std::string AppSettings::*directory;
    int filterIndex;
};

constexpr std::array<ModelDirectory, 5> ModelDirectories{{
    {"air", &AppSettings::AirDataPath, 1},
    {"groundwater", &AppSettings::GroundwaterDataPath, 2},
    {"surface water - near field", &AppSettings::SurfaceDataPath, 4},
    {"surface water - far field", &AppSettings::SurfaceDataPath, 5},
    {"surface water - sediment", &AppSettings::SurfaceDataPath, 6},
}};

constexpr int MultipleSpeciesFilterIndex = 3;

// Only the first line decides whether a groundwater file is one of a later format that this
// program cannot read; the rest of a large file is not read twice. The line ends at a CR or an
// LF, as every line of the readers does.
std::string firstLineOf(const std::string& path) {
    RegularFile file(path);
    std::string line;
    std::array<char, 4096> chunk{};
    while (const std::size_t got = file.read(chunk.data(), chunk.size())) {
        const std::string_view piece(chunk.data(), got);
        const std::size_t end = piece.find_first_of("\r\n");
        line.append(piece.substr(0, end));
        if (end != std::string_view::npos) {
            break;
        }
    }
    return line;
}

bool rejectVersionedGroundwaterFile(Prompter& prompter, const std::string& path) {
    if (!contains(lowerCase(firstLineOf(path)), "version")) {
        return false;
    }
    prompter.show({.text = path + " is not recognized datafile. Please select other datafile.",
                   .title = "Not Recognized Datafile",
                   .icon = MessageIcon::Critical,
                   .buttons = MessageButtons::Ok,
                   .defaultButton = MessageAnswer::Ok});
    return true;
}

} // namespace

// A multiple-species file whose model has no species body (a "Time Varying" one) reads
// nothing: its species records are not there, and those an earlier file left behind must not
// be taken for its own.
bool SpeciesBodyRead(const AppState& state) {
    return state.MediumCode == Medium::GroundwaterMultipleSpecies && state.modelData.DataType != -1;
}

bool ReadModelDataFile(AppState& state, Prompter& prompter, const DataFileReaders& readers,
                       const std::string& path) {
    ModelDataSet& data = state.modelData;
    const std::string modelName = lowerCase(data.ModelName);
    if (modelName == "air") {
        if (!readers.air(state, prompter, path)) {
            return false;
        }
        data.DataFileName = path;
    } else if (modelName == "groundwater") {
        if (rejectVersionedGroundwaterFile(prompter, path) ||
            !readers.groundwater(state, prompter, path)) {
            return false;
        }
        data.DataFileName = path;
        data.CurrentChemical = 1;
        if (state.MediumCode == Medium::Groundwater) {
            data.ChemicalCount = 1;
        }
        if (SpeciesBodyRead(state)) {
            SelectSpecies(data, 1);
        }
    } else if (modelName == "surface water") {
        if (!readers.surfaceWater(state, prompter, path)) {
            return false;
        }
        data.DataFileName = path;
        data.CurrentChemical = 1;
        data.ChemicalCount = 1;
    }
    return true;
}

std::string MediumOfExtension(std::string_view path) {
    const ExtensionMedium* medium = extensionMediumOf(path);
    return medium == nullptr ? std::string() : std::string(medium->medium);
}

std::int16_t MediumCodeOfExtension(std::string_view path) {
    const ExtensionMedium* medium = extensionMediumOf(path);
    return medium == nullptr ? Medium::None : medium->mediumCode;
}

DataFileDialogPreset dataFileDialogPreset(const AppState& state, std::string_view modelName) {
    const std::string name = lowerCase(modelName);
    for (const ModelDirectory& entry : ModelDirectories) {
        if (entry.modelName != name) {
            continue;
        }
        const std::string& directory = state.AppSettings.*entry.directory;
        int filterIndex = entry.filterIndex;
        if (name == "groundwater" && state.MediumCode == Medium::GroundwaterMultipleSpecies) {
            filterIndex = MultipleSpeciesFilterIndex;
        }
        return {DirectoryExists(directory) ? directory : state.AppPath, filterIndex};
    }
    return {state.AppPath, 2};
}

std::string ShowDataFileDialog(const AppState& state, FileDialogs& dialogs, Prompter& prompter,
                               std::string_view modelName, std::string_view title) {
    std::string path; // known once the dialog answered, so that a report can name it
    try {
        const DataFileDialogPreset preset = dataFileDialogPreset(state, modelName);
        const std::optional<std::string> answer =
            dialogs.openFile({.title = std::string(title),
                              .filters = fileFilters(DataFileFilter),
                              .filterIndex = preset.filterIndex,
                              .initialDirectory = preset.initialDirectory,
                              .proposedName = {}});
        if (!answer) {
            throw RunTimeError(ErrorCode::DialogCancelled);
        }
        path = *answer;
        if (contains(title, "Open") && !FileExists(path)) {
            throw RunTimeError(ErrorCode::FileNotFound, path);
        }
    } catch (const std::exception& failure) {
        // Every code that can arise here (a cancel, a missing file) abandons the dialog.
        reportFailure(prompter, failure, path, "");
        return std::string(NoFileChosen);
    }
    prompter.setBusy(false);
    return path;
}

} // namespace torval
