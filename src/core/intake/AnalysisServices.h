#pragma once
// What the analysis window reaches beyond itself: the dialogs and windows it opens, the risk
// data files, the results viewers, the printer and the help. AnalysisForm decides when each is
// called and guards every call with the checks and messages that belong to the window; the
// program (or a test) supplies the implementations.
//
// A service left null is one this program does not offer (the command-line program has no
// printer, a benchmark no dialogs): the command still runs its guards and then stops where the
// service would have been called.

#include "AppState.h"
#include "shell/ApplicationFlows.h"
#include "shell/EventPump.h"
#include "shell/HelpDesk.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// One entry the Monte Carlo window reads or assigns: its row, its label trimmed and its text.
struct AnalysisEntry {
    int row = 0;
    std::string label;
    std::string text;

    bool operator==(const AnalysisEntry&) const = default;
};

class MonteCarloWindow {
public:
    virtual ~MonteCarloWindow() = default;

    // Restores the saved tables for the analysis and shows the window modally. `parameters`
    // lists the selected concentration entry, then each visible parameter entry in row order;
    // `calculationKind` is the lower-cased caption of the "Monte Carlo" panel.
    virtual void show(AppState& state, const std::vector<AnalysisEntry>& parameters,
                      std::string_view calculationKind) = 0;

    // Writes the statistic or the reference the user chose for each variant into the entries
    // it names by label (the three concentrations, then the visible parameters).
    virtual void applySelection(AppState& state, std::vector<AnalysisEntry>& entries) = 0;
};

class ChemicalChooser {
public:
    virtual ~ChemicalChooser() = default;
    // Shows the chemical selection modally; true when the user confirmed another chemical,
    // which is then current in the data set.
    virtual bool chooseChemical(AppState& state) = 0;
};

enum class SaveCommand { Save, SaveAs };

class RiskFileStore {
public:
    virtual ~RiskFileStore() = default;
    // The risk data file (*.tvl) the user picks to open; nullopt when none was chosen.
    virtual std::optional<std::string> chooseFileToOpen(AppState& state) = 0;
    // Reads the analysis in the file into the state; false when it could not be read.
    virtual bool read(AppState& state, std::string_view path) = 0;
    // Saves the analysis (asking for a name on Save As or when it has none yet); false when
    // nothing was saved.
    virtual bool save(AppState& state, SaveCommand command) = 0;
};

class ResultsViewer {
public:
    virtual ~ResultsViewer() = default;
    // Writes the results file and opens it: "Chartix" in the plotting utility, "Numbers" in
    // the text editor.
    virtual void viewResults(AppState& state, std::string_view viewerChoice) = 0;
};

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    virtual void printerSetup() = 0;
    virtual void printResultsReport(AppState& state) = 0;
    // The same report on screen; a printer without a preview shows nothing.
    virtual void previewResultsReport(AppState& /*state*/) {}
};

// The windows beyond the intake: which varied input drives the result, the risk of the intake,
// and every iteration written out as CSV. AnalysisForm calls them only while the shown result
// belongs to the input.
class ResultFigures {
public:
    virtual ~ResultFigures() = default;
    virtual void showSensitivity(AppState& state) = 0;
    virtual void showRisk(AppState& state) = 0;
    virtual void exportIterations(AppState& state) = 0;
};

class WindowCloser {
public:
    virtual ~WindowCloser() = default;
    // Unloads the analysis window and returns to the main window.
    virtual void closeAnalysisWindow() = 0;
};

struct AnalysisServices {
    NewApplicationDialog* newApplication = nullptr;
    DataFileLoader* dataFiles = nullptr;
    ChemicalChooser* chemicals = nullptr;
    MonteCarloWindow* monteCarlo = nullptr;
    RiskFileStore* riskFiles = nullptr;
    ResultsViewer* viewer = nullptr;
    ReportPrinter* printer = nullptr;
    HelpDesk* help = nullptr;
    WindowCloser* window = nullptr;
    EventPump* events = nullptr;
    ResultFigures* figures = nullptr;
};

} // namespace torval
