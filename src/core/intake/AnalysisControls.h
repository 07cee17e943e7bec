#pragma once
// What the analysis window shows, as plain data: the numbered rows with their captions,
// entries and units, the option groups, the labels and panels, the tab page and the focus, the
// menu bar and the progress display. AnalysisForm decides every value here; the Qt window only
// copies them into its widgets and forwards the user's actions back to the form.
//
// Rows: 0 and 1 name the data, 2 to 5 are the axis ranges of the data set, 6 to 9 the user's
// intervals over those axes, 10 to 12 the average, maximum and specified concentration, 13 to
// 19 the parameters of the pathway (drop-down entries with suggested values) and 20 the intake.

#include "intake/AnalysisMenus.h"
#include "intake/MonteCarloReference.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

namespace AnalysisRows {
inline constexpr int Count = 21;
inline constexpr int DataModel = 0;
inline constexpr int DataFileName = 1;
inline constexpr int FirstCoordinate = 2; // X, Y, Z, T
inline constexpr int LastCoordinate = 5;
inline constexpr int FirstInterval = 6; // X, Y, Z, T
inline constexpr int LastInterval = 9;
inline constexpr int AverageConcentration = 10;
inline constexpr int MaximumConcentration = 11;
inline constexpr int SpecifiedConcentration = 12;
inline constexpr int FirstParameter = 13;
inline constexpr int LastParameter = 19;
inline constexpr int Result = 20;

// No entry has the focus: another control (an option, a button) holds it.
inline constexpr int NoFocus = -1;

inline constexpr bool isInterval(int row) noexcept {
    return row >= FirstInterval && row <= LastInterval;
}
inline constexpr bool isConcentration(int row) noexcept {
    return row >= AverageConcentration && row <= SpecifiedConcentration;
}
inline constexpr bool isParameter(int row) noexcept {
    return row >= FirstParameter && row <= LastParameter;
}
// Rows 0 to 5 only display the data set and never keep the focus.
inline constexpr bool isDisplayOnly(int row) noexcept {
    return row >= DataModel && row <= LastCoordinate;
}
// The rows a user can type into: intervals, concentrations and parameters.
inline constexpr bool isEditable(int row) noexcept {
    return row >= FirstInterval && row <= LastParameter;
}
// Text boxes, as opposed to the drop-down entries of the parameters.
inline constexpr bool isTextEntry(int row) noexcept {
    return row >= FirstInterval && row <= SpecifiedConcentration;
}
// The concentration row the concentration option selects: 0 average, 1 maximum, any other
// value the specified concentration.
inline constexpr int concentrationRowOf(int option) noexcept {
    return option == 0 ? AverageConcentration
                       : (option == 1 ? MaximumConcentration : SpecifiedConcentration);
}
} // namespace AnalysisRows

// The tabbed area holds two pages: the data set and the intervals (rows 0 to 9) on page 0, the
// concentration, the pathway, its parameters and the intake (rows 10 to 20) on page 1.
namespace AnalysisPages {
inline constexpr int Data = 0;
inline constexpr int Intake = 1;

inline constexpr int pageOf(int row) noexcept {
    return row <= AnalysisRows::LastInterval ? Data : Intake;
}
} // namespace AnalysisPages

struct AnalysisRow {
    std::string caption;
    std::string text; // the entry
    std::string unit;
    bool visible = true;
    bool enabled = true;
    bool highlighted = false; // the caption of the entry that has the focus
    // Rows 2 to 9 are stacked in their frames without gaps: the k-th visible row of a frame
    // sits in slot k (0-based), one row height below slot k - 1.
    int slot = 0;
    std::vector<std::string> list; // suggested values of rows 13 to 19

    // An entry holding a Monte Carlo reference is drawn in red and cannot be typed into.
    bool red() const { return isMonteCarloReference(text); }
};

enum class OptionPicture { Unchecked, Checked };

struct ProgressBar {
    bool visible = false;
    float minimum = 0.0F;
    float maximum = 100.0F;
    float value = 0.0F;
};

struct AnalysisControls {
    std::string title;
    std::array<AnalysisRow, AnalysisRows::Count> rows;
    int concentrationOption = 0; // 0 average, 1 maximum, 2 specified
    std::array<OptionPicture, 3> concentrationPictures{};
    int pathwayOption = 0; // pathway code 0 to 8
    std::string kindLabel; // the caption of the "Monte Carlo" panel: "Regular" or "Monte Carlo"
    bool chemicalPanelVisible = false;
    std::string chemicalName;
    bool intervalFrameVisible = false;
    int intervalAxesShown = 0; // rows in the interval frame, which sizes it
    int coordinateAxesShown = 0;
    int tabPage = AnalysisPages::Data;
    int focusedRow = AnalysisRows::NoFocus;
    bool dataAreaEnabled = true; // the tabbed area; disabled while a calculation runs
    AnalysisMenuBar menus;
    ProgressBar progress;
    bool stopVisible = false;
    bool stopEnabled = false;
    std::string statusText;
    std::string statusTag; // the status text put aside while a calculation runs
};

// The picture file of a concentration option, under the application directory.
std::string optionPicturePath(std::string_view appPath, OptionPicture picture);

// The controls as the window is first drawn: fixed captions and units, every option unchecked
// but the first, the menu bar with every item enabled.
AnalysisControls initialAnalysisControls();

} // namespace torval
