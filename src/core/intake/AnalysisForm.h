#pragma once
// The analysis window (`RiskAnalysis`) without its widgets: every rule of the window in which
// one intake analysis is prepared, calculated and viewed. The Qt window mirrors controls() into
// its widgets after each call and forwards the user's actions (focus, typing, clicks, options,
// menu commands) to the member functions below; tests drive the same functions.
//
// The form works on the one AppState: it copies RiskInput to and from its entries, shows the
// loaded data set, keeps AnalysisState up to date and runs the calculation through its
// CalculationDriver. Everything beyond the window (dialogs, Monte Carlo window, files, viewers,
// printer, help) is reached through AnalysisServices.
//
// The implementation is split by concern: AnalysisForm.cpp (opening, the data display and
// shared refreshes), AnalysisWindowOperations.cpp (rows of the pathway, RiskInput to and from
// the entries), AnalysisEditing.cpp (options, focus and the editing rules),
// AnalysisIntervals.cpp (interval checks and the average), AnalysisCommands.cpp (menus and
// buttons) and CalculationDriver.cpp.

#include "AppState.h"
#include "datafiles/DataLayout.h"
#include "intake/AnalysisControls.h"
#include "intake/AnalysisServices.h"
#include "intake/CalculationDriver.h"
#include "shell/Prompter.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace torval {

class AnalysisForm {
public:
    AnalysisForm(AppState& state, Prompter& prompter, AnalysisServices services = {});
    AnalysisForm(const AnalysisForm&) = delete;
    AnalysisForm& operator=(const AnalysisForm&) = delete;

    const AnalysisControls& controls() const noexcept { return controls_; }
    // Raises 9 for a row outside 0..20.
    const AnalysisRow& row(int number) const;
    CalculationDriver& driver() noexcept { return driver_; }

    // --- Opening and refreshing -----------------------------------------------------------

    // Fills the window from the state: chemical panel, pathway rows, RiskInput, the data set,
    // the stored result, the kind label, the title and the Results menu. Ends the grace period
    // of a freshly read risk data file (RiskFileOpened becomes false).
    void load();

    // Graphics and View follow AnalysisState and the last result; while the input has changed
    // since the last calculation the result row is emptied, as it no longer belongs to it.
    void RefreshResultsMenu();

    // "Monte Carlo" when the selected concentration or a parameter in use holds a reference.
    void SetKindLabel();

    // Leaves only the display part of every reference in the concentration and parameter
    // entries (the average keeps a data file's own Monte Carlo text).
    void StripMonteCarloReferences();

    // --- RiskInput and the pathway rows -----------------------------------------------------

    // Shows the rows of RiskInput's pathway (an unknown code becomes 0) with their labels,
    // units and suggested values, and hides the others. Entry texts are left alone.
    void SetPathwayRows();
    // Captions the result row with the pathway's result title; other codes change nothing.
    void SetResultTitle(int code);
    void ReadInputFromWindow(RiskInput& input) const;
    void WriteInputToWindow(const RiskInput& input);

    // --- The user's actions -------------------------------------------------------------------

    // A click on pathway option `code` or concentration option `option`; a click on the option
    // already chosen changes nothing.
    void selectPathway(int code);
    void selectConcentration(int option);

    // The focus moves to an entry (or, with focusElsewhere, to another control such as an
    // option). Leaving an entry runs the editing rules, which may send the focus back to an
    // entry whose interval is wrong.
    void focusEntry(int row);
    void focusElsewhere();
    // The user types into, or picks a suggested value for, an entry.
    void editEntry(int row, std::string text);
    // A mouse click on an entry: it takes the focus, and one holding a reference says why it
    // cannot be changed.
    void clickEntry(int row);

    // --- Commands -----------------------------------------------------------------------------

    void CalculationCommand() { driver_.CalculationCommand(); }
    void StopCommand() { driver_.StopCommand(); }
    // The New button, "PLUMEX Data" item 10 and File item 5.
    void NewCommand();
    // The button next to the chemical name and "PLUMEX Data" item 20.
    void SelectChemicalCommand();
    // The "Monte Carlo" panel and "Generate ...".
    void MonteCarloCommand();
    void FileCommand(int item);
    void ResultsCommand(int item);
    void PlumexDataCommand(int item);
    void HelpCommand(int item);

private:
    friend class CalculationDriver;

    AppState& state_;
    Prompter& prompter_;
    AnalysisServices services_;
    AnalysisControls controls_;
    CalculationDriver driver_;
    std::string textOnFocus_; // what the focused entry held when it got the focus

    AnalysisRow& rowAt(int number);

    // AnalysisForm.cpp
    void showChemicalPanel();
    void showModelData();
    void showDataNames();
    void showInputModeUnits();
    void showDataUnits();
    void showConcentrations();
    void stackAxisRows();
    void updateTitle();
    void resetMonteCarloRun();
    void markInputChanged();
    bool referencesInUse() const;
    bool acceptsUserActions() const;
    void reportFailure(const std::exception& failure);

    // AnalysisWindowOperations.cpp
    void showConcentrationOption(int option);
    void showPathwayOption(int code);

    // AnalysisEditing.cpp
    void moveFocusTo(int row);
    void enterEntry(int row);
    std::optional<int> leaveEntry(int row);
    void moveFocusOn(int row);
    int firstIntervalEntry() const;
    int nextEntryAfter(int row) const;
    bool canTakeFocus(int row) const;

    // AnalysisIntervals.cpp
    bool everyVisibleIntervalHoldsText() const;
    std::optional<int> refreshAverage();
    std::optional<int> checkIntervals();
    // The interval that keeps the average from being calculated, after its message; only when
    // the average is the chosen concentration and every shown interval holds a text.
    std::optional<int> refusedInterval();
    std::optional<int> checkIntervalRange(Axis axis);
    std::optional<double> intervalAverage() const;

    // AnalysisCommands.cpp
    std::vector<AnalysisEntry> monteCarloParameters() const;
    std::vector<AnalysisEntry> assignableEntries() const;
    void exchangeWithMonteCarloWindow();
    bool loadNewData();
    void prepareInputMode();
    bool saveAnalysis(SaveCommand command);
    void openAnalysis();
    void showResultFigures(int item);
    void printResults(bool preview);
};

} // namespace torval
