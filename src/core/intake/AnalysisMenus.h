#pragma once
// The analysis window's menu bar as data. Items are addressed by their menu and the index the
// commands dispatch on (File 5 "&New Application", Results 20 "&View", ...); separators are
// items whose caption is "-". Which item is enabled or visible is decided by AnalysisForm.

#include "shell/HelpDesk.h"

#include <string>
#include <string_view>
#include <vector>

namespace torval {

enum class AnalysisMenu { File, Calculation, Results, PlumexData, MonteCarlo, Help };

// Item indexes of the menus.
namespace FileItem {
inline constexpr int NewApplication = 5;
inline constexpr int OpenApplication = 10;
inline constexpr int CloseApplication = 20;
inline constexpr int SaveApplication = 30;
inline constexpr int SaveApplicationAs = 40;
inline constexpr int PrinterSetup = 50;
inline constexpr int Print = 60;
// Added beside the described items: the results report on screen, as Print would print it.
inline constexpr int PrintPreview = 62;
// Added beside the described items: every iteration's varied inputs and intake as CSV.
inline constexpr int ExportCsv = 64;
inline constexpr int ReturnToMainForm = 100;
} // namespace FileItem

namespace ResultsItem {
inline constexpr int Graphics = 10;
inline constexpr int View = 20;
// Added beside the described items: the figures beyond the intake.
inline constexpr int Sensitivity = 30;
inline constexpr int Risk = 40;
} // namespace ResultsItem

namespace PlumexDataItem {
inline constexpr int ChangeDatafile = 10;
inline constexpr int SelectChemical = 20;
} // namespace PlumexDataItem

namespace MonteCarloItem {
inline constexpr int Generate = 10;
} // namespace MonteCarloItem

struct MenuItem {
    int index = 0;
    std::string caption;
    bool enabled = true;
    bool visible = true;

    bool isSeparator() const { return caption == "-"; }
};

struct Menu {
    AnalysisMenu id;
    std::string caption;
    bool enabled = true;
    std::vector<MenuItem> items;
};

class AnalysisMenuBar {
public:
    // Every menu with its items, all enabled and visible; "&Close Application" is disabled for
    // good (it does nothing).
    AnalysisMenuBar();

    const std::vector<Menu>& menus() const noexcept { return menus_; }

    // Raise 9 for a menu or item the bar does not have.
    Menu& menu(AnalysisMenu id);
    const Menu& menu(AnalysisMenu id) const;
    MenuItem& item(AnalysisMenu id, int index);
    const MenuItem& item(AnalysisMenu id, int index) const;

private:
    std::vector<Menu> menus_;
};

} // namespace torval
