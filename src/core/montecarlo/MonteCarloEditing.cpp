// The editing rules of the input grid and the selection rule of the result grid.

#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloForm.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <algorithm>

namespace torval {

namespace {

// Parameter names are matched as the analysis matches them when it applies a selection.
bool sameName(std::string_view a, std::string_view b) {
    return lowerCase(trimBlanks(a)) == lowerCase(trimBlanks(b));
}

Message information(std::string text) {
    return {std::move(text), "Information", MessageIcon::Information};
}

} // namespace

void MonteCarloForm::commitInputCell(int row, int column, std::string text) {
    MonteCarloVariant& cells = gridRow(row);
    std::string& cell = inputField(cells, column);
    if (column == InputColumn::Name) {
        const std::string name = trimBlanks(text);
        // An emptied name takes the variant out of the simulation, as REMOVE does.
        if (name.empty() || contains(upperCase(name), "REMOVE")) {
            clearRow(row);
        } else if (sameName(cells.Name, name)) {
            return; // the same parameter again keeps the values typed for it
        } else if (nameTakenElsewhere(row, name)) {
            informAndEmpty(row, "You have selected " + name + ", please select other parameter!");
        } else {
            acceptName(row, name);
        }
        return;
    }
    if (trimBlanks(cells.Name).empty()) {
        informAndEmpty(row, "Please select a parameter from variant list first!");
        return;
    }
    if (InputColumn::isNumber(column) && numberRefused(row, column, text)) {
        return;
    }
    cell = std::move(text);
}

bool MonteCarloForm::nameTakenElsewhere(int row, const std::string& name) const {
    for (int other = 1; other <= inputRowCount(); ++other) {
        if (other != row && sameName(inputRow(other).Name, name)) {
            return true;
        }
    }
    return false;
}

// Every variant shares one number of terms unless the user changes it, and starts from the
// parameter's current value as its mean. A name the list does not offer starts without a mean.
void MonteCarloForm::acceptName(int row, const std::string& name) {
    const auto& names = parameters_.names;
    const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& offered) {
        return sameName(offered, name);
    });
    MonteCarloVariant& cells = gridRow(row);
    if (found == names.end()) {
        cells.Name = name;
        cells.Mean.clear();
    } else {
        cells.Name = *found;
        cells.Mean = parameters_.values[static_cast<std::size_t>(found - names.begin())];
    }
    cells.Terms = gridFirstTerms();
}

std::string MonteCarloForm::gridFirstTerms() const {
    for (const MonteCarloVariant& cells : inputGrid_) {
        if (!cells.Terms.empty()) {
            return cells.Terms;
        }
    }
    return "";
}

bool MonteCarloForm::numberRefused(int row, int column, const std::string& text) {
    if (trimBlanks(text).empty() || isNumeric(text)) {
        return false;
    }
    prompter_.show({text + " is not a proper input value.\r\rPlease give a numeric input.",
                    "Invalid Input Data", MessageIcon::Critical});
    inputField(gridRow(row), column).clear();
    return true;
}

void MonteCarloForm::informAndEmpty(int row, std::string text) {
    prompter_.show(information(std::move(text)));
    emptyGridRow(row);
}

void MonteCarloForm::emptyGridRow(int row) {
    gridRow(row) = MonteCarloVariant{};
}

// The variant leaves the simulation: its row, its statistics and both grid rows are emptied.
void MonteCarloForm::clearRow(int row) {
    ClearTGData(state_, row);
    emptyGridRow(row);
    if (row <= resultRowCount()) {
        gridResult(row) = MonteCarloResult{};
    }
}

void MonteCarloForm::ResultDoubleClick(int row, int column) {
    MonteCarloResult& cells = gridResult(row);
    const std::string_view caption = resultCaption(column);
    if (cells.Marker == caption) {
        cells.Marker = "Nothing";
    } else if (contains(caption, "Deviation")) {
        return; // the standard deviation is never what the analysis uses
    } else {
        cells.Marker = std::string(caption);
    }
    state_.AnalysisState = Analysis::Changed;
}

} // namespace torval
