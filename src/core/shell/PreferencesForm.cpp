#include "shell/PreferencesForm.h"

#include "shell/Configuration.h"
#include "shell/DesktopEnvironment.h"
#include "shell/DirectoryForm.h"
#include "shell/NumberText.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

namespace torval {

namespace {

using Setting = std::string AppSettings::*;

struct Field {
    std::string_view label;
    Setting setting;
    std::string_view status;
};

// clang-format off
constexpr std::array<Field, PreferencesForm::FieldCount> Fields{{
    {" Text Editor:", &AppSettings::TextEditorPath, "Status: change text editor"},
    {" TORVAL Data Directory:", &AppSettings::RiskDataPath,
     "Status: change TORVAL data directory"},
    {" Temporary Directory:", &AppSettings::TempDataPath, "Status: change Temporary directory"},
    {"Ground Water Model:", &AppSettings::GroundwaterDataPath,
     "Status: change groundwater data directory"},
    {"Air Model:", &AppSettings::AirDataPath, "Status: change air data directory"},
    {"Surface Model :", &AppSettings::SurfaceDataPath, "Status: change surface water directory"},
    {"Plant and Animal Model:", &AppSettings::PlantDataPath,
     "Status: change plant and animal data directory"},
}};

// An entry of the directory browser's file-type list: label, blanks, ":" and the patterns.
struct FileType {
    std::string_view label;
    std::size_t blanks;
    std::string_view patterns;
};

// Directory browse n (1..6) is DirectoryBrowses[n - 1]; field is the field it fills.
struct DirectoryBrowse {
    int field;
    FileType fileType;
};

constexpr std::array<DirectoryBrowse, PreferencesForm::DirectoryCommandCount> DirectoryBrowses{{
    {1, {"Risk Files", 52, "*.tvl"}},
    {2, {"Temporary Files", 52, "*.air;*.gnd;*.sur"}},
    {4, {"Air Files", 58, "*.frm;*.tbx;*.cwh;*.jry;*.box;*.gas"}},
    {3, {"Ground Water Files", 49, "*.one;*.two;*.tri;*.var;*.jur"}},
    {5, {"Surface Files", 56, "*.spd;*.bpd;*.mpd;*.rvr;*.est;*.lak;*.oce;*.riv;*.etr;*.lke"}},
    {6, {"Plant Files", 56, "*.pnt"}},
}};
// clang-format on

constexpr FileType AllFiles{"All Files", 49, "*.*"};

// What each menu item runs: 0 the editor choice, 1..6 a directory browse, -1 nothing (the
// sub-menu's title).
struct MenuCommand {
    PreferencesMenuItem item;
    int browse;
};

const std::vector<MenuCommand>& menuCommands() {
    using M = PreferencesMenu;
    static const std::vector<MenuCommand> commands = {
        {{M::Edit, 10, "&Text Editor", true}, 0},
        {{M::Edit, 20, "&Risk Data Directory", true}, 1},
        {{M::Edit, 30, "T&emporary Directory", true}, 2},
        {{M::Edit, 35, "-", true}, -1},
        {{M::Edit, 40, "PLUMEX &Data Directory", true}, -1},
        {{M::PlumexData, 10, "&Air Model", true}, 3},
        {{M::PlumexData, 20, "&Ground Water Model", true}, 4},
        {{M::PlumexData, 30, "&Surface Model", true}, 5},
        // Browse 6 stays reachable through the button beside its field.
        {{M::PlumexData, 40, "&Plant and Animal Model", false}, 6},
    };
    return commands;
}

const Field& fieldAt(int index) {
    if (index < 0 || index >= PreferencesForm::FieldCount) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange,
                           "no Preferences field " + std::to_string(index));
    }
    return Fields[static_cast<std::size_t>(index)];
}

std::string fileTypeEntry(const FileType& type) {
    return std::string(type.label) + std::string(type.blanks, ' ') + ":" +
           std::string(type.patterns);
}

Message saveChangesQuestion() {
    Message question;
    question.title = "Save changes";
    question.text = "Path settings have been changed.\r\rDo you want to save changes?";
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNoCancel;
    question.defaultButton = MessageAnswer::Yes;
    return question;
}

std::string directoryOf(std::string_view file) {
    return fs::path(toNativePath(trimBlanksView(file))).parent_path().string();
}

} // namespace

PreferencesEnvironment PreferencesEnvironment::current() {
    return {[](std::string_view directory) { return FreeDiskSpaceKB(directory); },
            caseInsensitiveFileSystem()};
}

PreferencesForm::PreferencesForm(AppState& state, Prompter& prompter, FileDialogs& dialogs,
                                 PreferencesEnvironment environment)
    : state_(state), prompter_(prompter), dialogs_(dialogs), environment_(std::move(environment)) {
    LoadPreferences();
}

std::string_view PreferencesForm::fieldLabel(int index) {
    return fieldAt(index).label;
}

std::string_view PreferencesForm::fieldStatusText(int index) {
    return fieldAt(index).status;
}

const std::vector<PreferencesMenuItem>& PreferencesForm::menuItems() {
    static const std::vector<PreferencesMenuItem> items = [] {
        std::vector<PreferencesMenuItem> all;
        for (const MenuCommand& command : menuCommands()) {
            all.push_back(command.item);
        }
        return all;
    }();
    return items;
}

void PreferencesForm::LoadPreferences() {
    for (int i = 0; i < FieldCount; ++i) {
        fields_[static_cast<std::size_t>(i)] = shownPath(state_.AppSettings.*fieldAt(i).setting);
    }
    iniFileText_ = shownPath(state_.IniFilePath);
    freeSpaceText_ = freeSpaceDisplay();
    graphVersion_ = graphVersionOf(state_.AppSettings.GraphProgramPath);
}

void PreferencesForm::ApplyPreferences() {
    for (int i = 0; i < FieldCount; ++i) {
        state_.AppSettings.*fieldAt(i).setting = trimBlanks(fieldText(i));
    }
    state_.AppSettings.GraphProgramPath = graphProgramPath(state_.AppPath, graphVersion_);
    state_.GraphCommand = graphCommandFor(state_.AppSettings.GraphProgramPath);
}

const std::string& PreferencesForm::fieldText(int index) const {
    fieldAt(index);
    return fields_[static_cast<std::size_t>(index)];
}

void PreferencesForm::setFieldText(int index, std::string text) {
    fieldAt(index);
    fields_[static_cast<std::size_t>(index)] = std::move(text);
}

void PreferencesForm::enterField(int index) {
    enteredText_ = trimBlanks(fieldText(index));
}

void PreferencesForm::leaveField(int index) {
    if (trimBlanks(fieldText(index)) != enteredText_) {
        changed_ = true;
    }
}

void PreferencesForm::pointerOverField(int index) {
    statusText_ = fieldStatusText(index);
}

void PreferencesForm::pointerOverBrowseButton(int fieldIndex) {
    statusText_ = fieldStatusText(fieldIndex);
}

void PreferencesForm::pointerOverSaveButton() {
    statusText_ = SaveStatus;
}

void PreferencesForm::pointerOverBackground() {
    statusText_ = ReadyStatus;
}

void PreferencesForm::browseForField(int fieldIndex) {
    fieldAt(fieldIndex);
    if (fieldIndex == TextEditorField) {
        browseTextEditor();
        return;
    }
    const auto browse =
        std::find_if(DirectoryBrowses.begin(), DirectoryBrowses.end(),
                     [&](const DirectoryBrowse& b) { return b.field == fieldIndex; });
    browseDirectory(static_cast<int>(browse - DirectoryBrowses.begin()) + 1);
}

void PreferencesForm::browseTextEditor() {
    const std::string& current = state_.AppSettings.TextEditorPath;
    FileChoice choice;
    choice.title = EditorDialogTitle;
    choice.filters = fileFilters(EditorDialogFilter);
    // Where programs carry no ".exe", the first filter would hide every editor.
    choice.filterIndex = executableName("").empty() ? 2 : 1;
    if (FileExists(current)) {
        choice.initialDirectory = directoryOf(current);
        choice.proposedName = FileNameOf(current);
    }
    const std::optional<std::string> picked = dialogs_.openFile(choice);
    if (!picked || trimBlanks(*picked).empty() || !FileExists(*picked)) {
        return;
    }
    state_.AppSettings.TextEditorPath = shownPath(trimBlanks(*picked));
    LoadPreferences();
}

void PreferencesForm::browseDirectory(int command) {
    if (command < 1 || command > DirectoryCommandCount) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange,
                           "no directory browse " + std::to_string(command));
    }
    const DirectoryBrowse& browse = DirectoryBrowses[static_cast<std::size_t>(command - 1)];
    std::string& setting = state_.AppSettings.*fieldAt(browse.field).setting;
    state_.SelectedDirectory = DirectoryBrowserCancelText;
    DirectoryChoice choice;
    choice.fileTypes = {fileTypeEntry(browse.fileType), fileTypeEntry(AllFiles)};
    const std::string start = shownPath(trimBlanks(setting));
    if (DirectoryExists(start)) {
        choice.initialDirectory = start;
    }
    if (const std::optional<std::string> chosen = dialogs_.browseDirectory(choice)) {
        state_.SelectedDirectory = trimBlanks(*chosen);
    }
    if (state_.SelectedDirectory != DirectoryBrowserCancelText) {
        setting = state_.SelectedDirectory;
        LoadPreferences();
    }
}

void PreferencesForm::chooseMenuItem(PreferencesMenu menu, int index) {
    for (const MenuCommand& command : menuCommands()) {
        if (command.item.menu != menu || command.item.index != index) {
            continue;
        }
        if (!command.item.enabled || command.browse < 0) {
            return;
        }
        if (command.browse == 0) {
            browseTextEditor();
        } else {
            browseDirectory(command.browse);
        }
        return;
    }
}

bool PreferencesForm::save() {
    ApplyPreferences();
    if (!WriteConfiguration(prompter_, state_.IniFilePath, state_.AppSettings)) {
        return false;
    }
    changed_ = false;
    return true;
}

bool PreferencesForm::requestClose() {
    if (changed_ && prompter_.show(saveChangesQuestion()) == MessageAnswer::Yes) {
        save();
        return false;
    }
    prompter_.setBusy(false);
    return true;
}

std::string PreferencesForm::shownPath(std::string_view path) const {
    return environment_.upperCasePaths ? upperCase(path) : std::string(path);
}

// "###,###" leaves zero empty, so a full disk shows " KBs". A free space that cannot be asked
// leaves the panel empty rather than claiming a number; saving reports any real disk trouble.
std::string PreferencesForm::freeSpaceDisplay() const {
    double kilobytes = 0;
    try {
        kilobytes = environment_.freeSpaceKB(state_.AppPath);
    } catch (const std::exception&) {
        return {};
    }
    const std::string digits = std::round(kilobytes) == 0 ? "" : formatThousands(kilobytes);
    return digits + " KBs";
}

} // namespace torval
