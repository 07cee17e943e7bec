#pragma once
// The Monte Carlo window (`MonteCarloForm`) without its widgets. The analysis window opens it
// on the parameters of the current analysis; the user marks parameters as variants in the
// input grid, generates values for them and picks, in the result grid, which statistic (or the
// whole series) the analysis is to use. The Qt window mirrors the grids, lists and help panel
// after each call and forwards cell edits, double clicks, pointer moves and menu commands.
//
// The grids are the window's own copies of the current chemical's tables: edits go to the
// grids, and the tables in the AppState follow them when values are generated and on Exit.
// Rows are numbered from 1, as the tables' rows are.
//
// Split by concern: MonteCarloForm.cpp (opening and the grid copies), MonteCarloEditing.cpp
// (the editing rules of the input grid and the result grid's selection) and
// MonteCarloCommands.cpp (Generate, Exit and the output commands).

#include "AppState.h"
#include "intake/AnalysisServices.h"
#include "montecarlo/GenerateSimulation.h"
#include "montecarlo/MonteCarloTables.h"
#include "montecarlo/VariantTable.h"
#include "shell/Prompter.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// The printed report and the results file of the window's variants. Either may be left null
// where the program offers no printer or viewer.
class MonteCarloOutputs {
public:
    virtual ~MonteCarloOutputs() = default;
    // The File menu's first command.
    virtual void print(AppState& state) = 0;
    // The Options menu: "Chartix" shows the results as graphs, "Numbers" in the text editor.
    virtual void view(AppState& state, std::string_view choice) = 0;
};

// What opens the window: the parameters of the analysis (the selected concentration entry,
// then each visible parameter entry), the caller tag that decides whether the saved tables are
// restored, and the lower-cased caption of the analysis window's "Monte Carlo" panel.
struct MonteCarloOpening {
    std::vector<AnalysisEntry> parameters;
    std::string_view callerTag;
    std::string_view calculationKind;
};

// The parts of the window over which the pointer changes the help panel's text.
enum class HelpArea { InputGrid, ParameterList, WindowFrame, HelpPanel, ResultGrid };

namespace HelpTexts {
inline constexpr std::string_view InputGrid =
    "To select a variant or distribution click in the appropriate";
inline constexpr std::string_view ParameterList =
    "Select REMOVE to remove a variable from simulation.";
inline constexpr std::string_view WindowFrame =
    "Select Exit from File menu to use the selected values in the";
inline constexpr std::string_view HelpPanel =
    "To update results click on the Generate menu or press F7.";
inline constexpr std::string_view ResultGrid =
    "Double click on the variant name to select all the terms gen";
} // namespace HelpTexts

std::string_view helpTextOf(HelpArea area);

enum class CellColour { BlackOnWhite, WhiteOnRed };

// The names and values the window offers: the entries' trimmed labels and their texts through
// FormatNumber, then "--REMOVE--" in both lists.
ParameterList parameterListOf(const std::vector<AnalysisEntry>& entries);

class MonteCarloForm {
public:
    static constexpr std::string_view Caption = "Monte Carlo Silmulation for Risk";
    static constexpr std::string_view RemoveEntry = "--REMOVE--";
    static constexpr std::string_view PleaseWait = " Please Wait...";
    static constexpr std::string_view RandomSampling = "Random";
    static constexpr std::string_view LatinHypercubeSampling = "Latin hypercube";

    // Opening: restores the saved tables for the analysis window's tag, keeps the tables when
    // they hold rows (MCDataKept), otherwise sizes them to the parameter list; no generation
    // has run yet. Raises what the restore or the sizing raises (9 for a current chemical
    // outside the kept tables).
    MonteCarloForm(AppState& state, Prompter& prompter, const MonteCarloOpening& opening,
                   SamplingGenerators generators, MonteCarloOutputs* outputs = nullptr);
    MonteCarloForm(const MonteCarloForm&) = delete;
    MonteCarloForm& operator=(const MonteCarloForm&) = delete;

    const ParameterList& parameters() const noexcept { return parameters_; }
    const AppState& state() const noexcept { return state_; }
    // The message boxes and the busy pointer of the window's commands.
    Prompter& prompter() const noexcept { return prompter_; }
    // The chemical whose tables the window edits, "Chemical: " and its name; empty when the
    // data name no chemical (a typed-in concentration, or a file without names).
    std::string chemicalCaption() const;
    const std::string& helpCaption() const noexcept { return helpCaption_; }
    bool closed() const noexcept { return closed_; }

    // --- Input grid ---------------------------------------------------------------------------

    int inputRowCount() const noexcept { return static_cast<int>(inputGrid_.size()); }
    // Raise 9 outside rows 1..inputRowCount() or columns 0..6.
    const std::string& inputCell(int row, int column) const;
    const MonteCarloVariant& inputRow(int row) const;

    // The user commits an edit of a cell (typed, or picked from a drop-down).
    void commitInputCell(int row, int column, std::string text);

    // The grid into the variant table of the current chemical, numbers through FormatNumber.
    void sendInputTDBDataToInputTGData();

    // --- Result grid --------------------------------------------------------------------------

    int resultRowCount() const noexcept { return static_cast<int>(resultGrid_.size()); }
    const std::string& resultCell(int row, int column) const;
    const MonteCarloResult& resultRow(int row) const;
    CellColour resultCellColour(int row, int column) const;

    // The statistics table of the current chemical into the grid; a row counts as selected
    // exactly when it names a variant (in the table as in the grid).
    void sendresultTGDataToResultTDBData();
    // The grid back into the table, the user's markers with it.
    void sendresultTDBDataToResultTGData();

    // Selects the column's statistic for the row, or unselects it when it is already the one.
    void ResultDoubleClick(int row, int column);

    // --- Sampling -----------------------------------------------------------------------------

    // The choices of the sampling list, "Random" first; "Latin hypercube" only when the
    // program supplied that entry of the generator library.
    std::vector<std::string_view> samplingChoices() const;
    // The index in samplingChoices() of state.Sampling.
    int samplingIndex() const;
    // The user picks a choice; the next generation draws through it. An index outside the
    // choices is ignored.
    void chooseSampling(int index);

    // --- Pointer, menus and keys --------------------------------------------------------------

    void pointerOver(HelpArea area);

    // The Generate command and F7.
    void GenerateCommand();
    // File > Exit: regenerates when the number of terms changed since the last generation
    // (the analysis then counts as changed), copies the result grid back into the table and
    // closes. Closing by the window frame is the same.
    void ExitCommand();
    // The File menu's first command, and the Options menu ("Chartix" or "Numbers"). Both
    // regenerate first when the terms changed since the last generation.
    void PrintCommand();
    void ViewCommand(std::string_view choice);

private:
    AppState& state_;
    Prompter& prompter_;
    ParameterList parameters_;
    std::string calculationKind_;
    SamplingGenerators generators_;
    MonteCarloOutputs* outputs_;
    std::vector<MonteCarloVariant> inputGrid_; // element i is row i + 1
    std::vector<MonteCarloResult> resultGrid_;
    std::string helpCaption_;
    bool closed_ = false;

    MonteCarloVariant& gridRow(int row);
    MonteCarloResult& gridResult(int row);
    void showVariantTable();
    void clearRow(int row);
    void emptyGridRow(int row);
    void informAndEmpty(int row, std::string text);
    bool numberRefused(int row, int column, const std::string& text);
    void acceptName(int row, const std::string& name);
    bool nameTakenElsewhere(int row, const std::string& name) const;
    std::string gridFirstTerms() const;
    void generate();
    bool termsChangedSinceGeneration() const;
    bool hasTermsToGenerate() const;
    bool outputsUpToDate();
    void reportFailure(const std::exception& failure);
};

} // namespace torval
