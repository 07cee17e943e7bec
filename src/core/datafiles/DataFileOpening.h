#pragma once
// Opening a transport-model output file: the open dialog preset for the chosen medium, the
// recognition of the file's family by its extension and the reader of that family. Making the
// data ready for an analysis (mg/l, unit texts, the concentration texts of the analysis input)
// is the loading step above this layer (intake/DataFileLoading.h).

#include "AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Prompter.h"

#include <functional>
#include <string>
#include <string_view>

namespace torval {

// The dialog's answer when no file was chosen; callers compare against it exactly.
inline constexpr std::string_view NoFileChosen = "Don't Do Anything";
inline constexpr std::string_view OpenDataFileTitle = "Open PLUMEX Datafile";
extern const std::string_view DataFileFilter;

// "Air", "Groundwater", "Surface Water", or "" for the lower-cased text after the first "." of
// the file's name (no "." gives ""); the directories of the path do not count.
std::string MediumOfExtension(std::string_view path);

// The medium code that opening a file of this extension implies when no New Application
// dialog chose one (the command-line program): 6 for the multiple-species extensions mc1,
// mc2, mc3 and mcu, 2 for the other groundwater ones, 1 for air, 3, 4 or 5 for surface water
// near field, far field and sediment; -1 for an unknown extension.
std::int16_t MediumCodeOfExtension(std::string_view path);

// One reader per model family; each reads the file at the path into state.modelData and
// reports its own failures, returning false when the file was refused.
struct DataFileReaders {
    using Reader = std::function<bool(AppState&, Prompter&, const std::string& path)>;
    Reader air;
    Reader groundwater; // single or multiple species, by state.MediumCode
    Reader surfaceWater;

    // The program's readers.
    static DataFileReaders standard();
};

struct DataFileDialogPreset {
    std::string initialDirectory;
    int filterIndex = 2;

    bool operator==(const DataFileDialogPreset&) const = default;
};

// Initial directory and filter entry for the lower-cased model name: the data directory of
// the medium when it exists (else AppPath), and the medium's entry of DataFileFilter.
DataFileDialogPreset dataFileDialogPreset(const AppState& state, std::string_view modelName);

// The chosen path, or NoFileChosen on a cancel or a failure (a chosen file that does not exist
// when the title contains "Open" is reported as file not found).
std::string ShowDataFileDialog(const AppState& state, FileDialogs& dialogs, Prompter& prompter,
                               std::string_view modelName, std::string_view title);

// Runs the reader of the lower-cased ModelName into state.modelData, as read: no unit is
// converted and no concentration text is filled. False when the reader refused the file.
bool ReadModelDataFile(AppState& state, Prompter& prompter, const DataFileReaders& readers,
                       const std::string& path);

// True when a multiple-species file brought its species records (a "Time Varying" model has
// no species body and reads none).
bool SpeciesBodyRead(const AppState& state);

} // namespace torval
