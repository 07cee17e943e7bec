#pragma once
// The Preferences window (statusForm) without its widgets: seven path fields, the
// initialization-file and free-space panels, the choice of plotting program, the browse
// commands, Save and the check on closing. The window mirrors what this model shows and
// forwards focus changes, pointer moves, clicks and menu choices to it.
//
// Two ways into the settings, on purpose: a browse command changes its setting at once (in
// effect until the program ends, even when the window is closed without saving), while typed
// text reaches the settings only through Save. Only typing raises the changed flag that makes
// closing ask about saving.
//
// Paths are shown upper-cased, and a chosen editor stored upper-cased, only where the file
// system ignores case; elsewhere upper-casing would name another file.

#include "AppState.h"
#include "shell/FileDialogs.h"
#include "shell/GraphProgram.h"
#include "shell/Prompter.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// What the model asks of the machine, replaceable in tests.
struct PreferencesEnvironment {
    std::function<double(std::string_view directory)> freeSpaceKB;
    bool upperCasePaths = false;

    // FreeDiskSpaceKB and this system's case rule.
    static PreferencesEnvironment current();
};

// The Edit menu and its PLUMEX Data Directory sub-menu, by the indexes the commands dispatch on.
enum class PreferencesMenu { Edit, PlumexData };

struct PreferencesMenuItem {
    PreferencesMenu menu;
    int index;
    std::string_view caption;
    bool enabled; // false: shown (greyed) but cannot be chosen
};

class PreferencesForm {
public:
    static constexpr int FieldCount = 7;
    static constexpr int TextEditorField = 0;
    static constexpr int DirectoryCommandCount = 6;

    static constexpr std::string_view PlumexGroupCaption = " Default Directories of PLUMEX Data:";
    static constexpr std::string_view IniFileCaption = " Initialization File:";
    static constexpr std::string_view FreeSpaceCaption = " Free space on current directory:";
    static constexpr std::string_view GraphChoiceCaption = "Graph Executable File:";
    static constexpr std::string_view NewVersionCaption = "New Version";
    static constexpr std::string_view OriginalVersionCaption = "Original Version";
    static constexpr std::string_view SaveCaption = "&Save Preferences";
    static constexpr std::string_view BrowseCaption = "Browse...";
    static constexpr std::string_view ExitCaption = "E&xit";
    static constexpr std::string_view SaveStatus = "Status: save changes to Preference";
    static constexpr std::string_view ReadyStatus = "Status: ready";
    static constexpr std::string_view EditorDialogTitle = "Select Default Editor";
    static constexpr std::string_view EditorDialogFilter =
        "Text Editor (*.exe)|*.exe|All Files (*.*)|*.*";

    PreferencesForm(AppState& state, Prompter& prompter, FileDialogs& dialogs,
                    PreferencesEnvironment environment = PreferencesEnvironment::current());

    // Labels and status texts of the fields 0..6; raise 9 for another index.
    static std::string_view fieldLabel(int index);
    static std::string_view fieldStatusText(int index);

    static const std::vector<PreferencesMenuItem>& menuItems();

    // Fills the fields and panels from the state; the window's opening runs it.
    void LoadPreferences();
    // Copies the fields and the graph choice back into the settings and GraphCommand.
    void ApplyPreferences();

    const std::string& fieldText(int index) const;
    void setFieldText(int index, std::string text); // the user typing
    void enterField(int index);
    void leaveField(int index);
    bool changed() const noexcept { return changed_; }

    const std::string& iniFileText() const noexcept { return iniFileText_; }
    const std::string& freeSpaceText() const noexcept { return freeSpaceText_; }

    GraphVersion graphVersion() const noexcept { return graphVersion_; }
    void chooseGraphVersion(GraphVersion version) { graphVersion_ = version; }

    // The status bar's first panel follows the pointer.
    const std::string& statusText() const noexcept { return statusText_; }
    void pointerOverField(int index);
    void pointerOverBrowseButton(int fieldIndex); // the button beside the field
    void pointerOverSaveButton();
    void pointerOverBackground();

    // The "Browse..." button beside a field: the editor choice for field 0, the directory
    // browse of the field's setting for the others.
    void browseForField(int fieldIndex);
    void browseTextEditor();
    // Directory browse 1..6: risk data, temporary, air, groundwater, surface water, plant and
    // animal. Raises 9 for another number.
    void browseDirectory(int command);

    // Runs the menu item; an inactive or unknown item does nothing.
    void chooseMenuItem(PreferencesMenu menu, int index);

    // True when the file was written, which clears the changed flag.
    bool save();

    // The window's close box and File > Exit: true when the window may close. With unsaved
    // typing it asks first; Yes saves and keeps the window open.
    bool requestClose();

private:
    std::string shownPath(std::string_view path) const;
    std::string freeSpaceDisplay() const;

    AppState& state_;
    Prompter& prompter_;
    FileDialogs& dialogs_;
    PreferencesEnvironment environment_;
    std::array<std::string, FieldCount> fields_{};
    std::string enteredText_;
    bool changed_ = false;
    std::string iniFileText_;
    std::string freeSpaceText_;
    GraphVersion graphVersion_ = GraphVersion::New;
    std::string statusText_{ReadyStatus};
};

} // namespace torval
