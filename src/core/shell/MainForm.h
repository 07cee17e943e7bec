#pragma once
// The main window (MainForm) without its widgets: the caption, the toolbar, the status text and
// the File, Options and Help menus by the indexes their commands dispatch on, and the commands
// themselves. The window builds its menus and toolbar from these tables, mirrors the enabled
// states and forwards every choice here; whatever a command opens comes in through the
// services below, so tests drive the whole main window with fakes.
//
// Every command handler routes a run-time failure to ErrorReport with no file name. A failure
// of New or Open Application, which is where data files are chosen and opened, also leaves the
// text "File Error" in the window's tag until the next of those commands starts.

#include "AppState.h"
#include "shell/ApplicationFlows.h"
#include "shell/HelpDesk.h"
#include "shell/Prompter.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

enum class MainMenu { File, Options, Help };

namespace MainFileItem {
inline constexpr int NewApplication = 10;
inline constexpr int OpenApplication = 20;
inline constexpr int CloseApplication = 30;
inline constexpr int PrinterSetup = 60;
inline constexpr int Print = 70;
inline constexpr int Exit = 100;
} // namespace MainFileItem

namespace MainOptionsItem {
// The one item of the Options menu has no index of its own; 0 stands for it.
inline constexpr int Preferences = 0;
} // namespace MainOptionsItem

namespace MainHelpItem = HelpItem;

struct MainMenuItem {
    MainMenu menu;
    int index;
    std::string_view caption;
    bool enabled; // false: shown greyed, and choosing it does nothing

    bool isSeparator() const { return caption == "-"; }
};

struct ToolbarButton {
    std::string_view key;
    std::string_view toolTip;
    MainMenu menu; // the command a click runs
    int index;
};

// What the main window opens. Each is a window of the program; a null service is one this
// program does not offer, and its command then does nothing.
class PreferencesOpener {
public:
    virtual ~PreferencesOpener() = default;
    virtual void showModal(AppState& state) = 0;
};

class PrinterSetupDialog {
public:
    virtual ~PrinterSetupDialog() = default;
    // Lets the user choose the printer every later print goes to.
    virtual void showPrinterSetup() = 0;
};

class ApplicationExit {
public:
    virtual ~ApplicationExit() = default;
    // Ends the program at once: nothing is asked and nothing is saved.
    virtual void exitNow() = 0;
};

struct MainWindowServices {
    NewApplicationDialog* newApplication = nullptr;
    DataFileLoader* dataFiles = nullptr;
    RiskFileOpener* riskFiles = nullptr;
    // Reads a named risk data file into the state, reporting its own failures; false when the
    // file was not read. Used for the analysis named on the command line.
    std::function<bool(AppState&, std::string_view path)> readRiskFile;
    AnalysisWindow* analysisWindow = nullptr;
    PreferencesOpener* preferences = nullptr;
    PrinterSetupDialog* printer = nullptr;
    HelpDesk* help = nullptr;
    ApplicationExit* exit = nullptr;
};

class MainForm {
public:
    static constexpr std::string_view ReadyStatus = "Status: ready";
    static constexpr std::string_view FileErrorTag = "File Error";

    MainForm(AppState& state, Prompter& prompter, MainWindowServices services);

    static std::string_view caption();
    // Every item of the three menus in order, separators included.
    static const std::vector<MainMenuItem>& menuItems();
    static std::string_view menuCaption(MainMenu menu);
    static const std::vector<ToolbarButton>& toolbarButtons();

    // Runs the item's command; an inactive, separator or unknown item does nothing.
    void chooseMenuItem(MainMenu menu, int index);
    // Runs the command of the button with this key; an unknown key does nothing.
    void clickToolbarButton(std::string_view key);

    // The analysis named on the command line, opened as Open Application opens a chosen one.
    // True when the analysis window was shown.
    bool openAnalysisFile(std::string_view path);

    const std::string& statusText() const noexcept { return statusText_; }
    const std::string& tag() const noexcept { return tag_; }

    // Where the logo picture lives, and whether the window shows one: a missing picture leaves
    // the box empty without a word.
    static std::string logoPath(std::string_view appPath);

private:
    void runCommand(MainMenu menu, int index);
    void fileCommand(int index);
    void helpCommand(int index);
    void analysisCommand(const std::function<void()>& command);

    AppState& state_;
    Prompter& prompter_;
    MainWindowServices services_;
    std::string statusText_{ReadyStatus};
    std::string tag_;
};

// Where the logo box sits in the window's client area: its height is the client height less
// the status bar, the toolbar and a margin of 1000 twips; its width that height and 200 twips
// more; centred both ways. Lengths in pixels, with twipsPerPixel of the screen (15 at 96 dpi).
struct LogoBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const LogoBox&) const = default;
};
LogoBox logoBox(int clientWidth, int clientHeight, int statusBarHeight, int toolbarHeight,
                int twipsPerPixel = 15);

} // namespace torval
