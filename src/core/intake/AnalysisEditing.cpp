#include "intake/AnalysisForm.h"
#include "intake/AnalysisMessages.h"
#include "intake/Pathways.h"
#include "shell/Text.h"

#include <algorithm>

namespace torval {

namespace {

bool sameEntry(std::string_view before, std::string_view after) {
    return lowerCase(trimBlanksView(before)) == lowerCase(trimBlanksView(after));
}

} // namespace

void AnalysisForm::selectPathway(int code) {
    if (!acceptsUserActions() || !isPathwayCode(code) || code == controls_.pathwayOption) {
        return;
    }
    showPathwayOption(code);
    resetMonteCarloRun();
    // The references just stripped no longer make the calculation a Monte Carlo one.
    SetKindLabel();
    markInputChanged();
    RefreshResultsMenu();
}

void AnalysisForm::selectConcentration(int option) {
    if (!acceptsUserActions() || option < 0 || option > 2 ||
        option == controls_.concentrationOption) {
        return;
    }
    showConcentrationOption(option);
    resetMonteCarloRun();
    SetKindLabel();
    markInputChanged();
    RefreshResultsMenu();
}

void AnalysisForm::focusEntry(int row) {
    if (acceptsUserActions() && row >= 0 && row < AnalysisRows::Count) {
        moveFocusTo(row);
    }
}

void AnalysisForm::focusElsewhere() {
    if (acceptsUserActions()) {
        moveFocusTo(AnalysisRows::NoFocus);
    }
}

void AnalysisForm::editEntry(int row, std::string text) {
    if (!acceptsUserActions() || !AnalysisRows::isEditable(row)) {
        return;
    }
    AnalysisRow& entry = rowAt(row);
    if (entry.red()) {
        moveFocusOn(row); // a reference cannot be typed over
        return;
    }
    entry.text = std::move(text);
    if (entry.red()) {
        moveFocusOn(row);
    }
}

void AnalysisForm::clickEntry(int row) {
    if (!acceptsUserActions() || row < 0 || row >= AnalysisRows::Count) {
        return;
    }
    moveFocusTo(row);
    const bool valueEntry = AnalysisRows::isConcentration(row) || AnalysisRows::isParameter(row);
    if (valueEntry && this->row(row).red()) {
        prompter_.show(referenceIsAssignedMessage());
    }
}

// Leaving the entry that had the focus runs its rules first; when they find a wrong interval
// the focus goes to that entry instead of the one asked for.
void AnalysisForm::moveFocusTo(int row) {
    if (row == controls_.focusedRow) {
        return;
    }
    const int left = controls_.focusedRow;
    controls_.focusedRow = AnalysisRows::NoFocus;
    if (left != AnalysisRows::NoFocus) {
        if (const std::optional<int> redirected = leaveEntry(left)) {
            row = *redirected;
        }
    }
    if (row != AnalysisRows::NoFocus) {
        enterEntry(row);
    }
}

void AnalysisForm::enterEntry(int row) {
    if (AnalysisRows::isDisplayOnly(row)) {
        controls_.tabPage = AnalysisPages::Data;
        row = firstIntervalEntry();
        if (row == AnalysisRows::NoFocus) {
            controls_.tabPage = AnalysisPages::Intake;
            return;
        }
    }
    if (this->row(row).red()) {
        row = nextEntryAfter(row);
        if (row == AnalysisRows::NoFocus) {
            return;
        }
    }
    controls_.focusedRow = row;
    controls_.tabPage = AnalysisPages::pageOf(row);
    if (AnalysisRows::isEditable(row)) {
        rowAt(row).highlighted = true;
        textOnFocus_ = this->row(row).text;
    }
}

std::optional<int> AnalysisForm::leaveEntry(int row) {
    if (!AnalysisRows::isEditable(row)) {
        return std::nullopt;
    }
    AnalysisRow& entry = rowAt(row);
    entry.highlighted = false;
    if (!sameEntry(textOnFocus_, entry.text)) {
        markInputChanged();
    }
    RefreshResultsMenu();
    // New intervals make the Monte Carlo values generated for the old average meaningless.
    // This runs before the average is recomputed, which would overwrite the reference.
    if (AnalysisRows::isInterval(row) && controls_.concentrationOption == 0 &&
        state_.modelData.DataType != 0 &&
        contains(lowerCase(this->row(AnalysisRows::AverageConcentration).text), "monte")) {
        resetMonteCarloRun();
    }
    if (AnalysisRows::isTextEntry(row) && everyVisibleIntervalHoldsText()) {
        return refreshAverage();
    }
    return std::nullopt;
}

// When the text of the focused entry turns into a reference, the focus moves on so that the
// reference cannot be typed over.
void AnalysisForm::moveFocusOn(int row) {
    if (controls_.focusedRow == row) {
        moveFocusTo(nextEntryAfter(row));
    }
}

bool AnalysisForm::canTakeFocus(int row) const {
    const AnalysisRow& entry = this->row(row);
    return entry.visible && entry.enabled && !entry.red();
}

int AnalysisForm::firstIntervalEntry() const {
    for (int row = AnalysisRows::FirstInterval; row <= AnalysisRows::LastInterval; ++row) {
        if (canTakeFocus(row)) {
            return row;
        }
    }
    return AnalysisRows::NoFocus;
}

// The next entry in row order that can take the focus; the controls after the last parameter
// are not entries.
int AnalysisForm::nextEntryAfter(int row) const {
    for (int next = std::max(row + 1, static_cast<int>(AnalysisRows::FirstInterval));
         next <= AnalysisRows::LastParameter; ++next) {
        if (canTakeFocus(next)) {
            return next;
        }
    }
    return AnalysisRows::NoFocus;
}

} // namespace torval
