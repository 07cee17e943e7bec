#include "intake/AnalysisForm.h"

#include "intake/AnalysisAxes.h"
#include "intake/ParamDisplayValue.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <cstddef>

namespace torval {

namespace {

// A data file that carries its own Monte Carlo concentrations shows its average as a reference
// whose number stays out of view, so that a calculation takes the file's values.
constexpr std::size_t HiddenNumberBlanks = 500;

bool isRowNumber(int number) noexcept {
    return number >= 0 && number < AnalysisRows::Count;
}

bool holdsText(const BoundedArray<std::string, 1>& names, std::int16_t index) {
    return names.isAllocated() && index >= names.lower() && index <= names.upper();
}

} // namespace

AnalysisForm::AnalysisForm(AppState& state, Prompter& prompter, AnalysisServices services)
    : state_(state), prompter_(prompter), services_(services), controls_(initialAnalysisControls()),
      driver_(*this) {}

const AnalysisRow& AnalysisForm::row(int number) const {
    if (!isRowNumber(number)) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return controls_.rows[static_cast<std::size_t>(number)];
}

AnalysisRow& AnalysisForm::rowAt(int number) {
    return const_cast<AnalysisRow&>(static_cast<const AnalysisForm&>(*this).row(number));
}

void AnalysisForm::load() {
    state_.MCCurrentChemical = std::max<std::int16_t>(state_.MCCurrentChemical, 1);
    showChemicalPanel();
    SetPathwayRows();
    WriteInputToWindow(state_.riskInput);
    showModelData();
    rowAt(AnalysisRows::Result).text = state_.riskInput.ResultText;
    SetKindLabel();
    updateTitle();
    RefreshResultsMenu();
    state_.RiskFileOpened = false;
}

void AnalysisForm::showChemicalPanel() {
    const bool severalChemicals = state_.MCChemicalCount > 1;
    controls_.menus.item(AnalysisMenu::PlumexData, PlumexDataItem::SelectChemical).visible =
        severalChemicals;
    controls_.chemicalPanelVisible = severalChemicals;
    const BoundedArray<std::string, 1>& names = state_.modelData.ChemicalNames;
    controls_.chemicalName = severalChemicals && holdsText(names, state_.MCCurrentChemical)
                                 ? names.at(state_.MCCurrentChemical)
                                 : std::string();
}

// Input mode has no data set: DataType -1 hides every axis row and leaves the concentrations
// to the user.
void AnalysisForm::showModelData() {
    if (state_.riskInput.ModelDataUsed) {
        showDataNames();
        showDataUnits();
    } else {
        rowAt(AnalysisRows::DataModel).text = "Not Specified";
        rowAt(AnalysisRows::DataFileName).text = "Not Specified";
        state_.modelData.DataType = -1;
        showInputModeUnits();
    }
    stackAxisRows();
    showConcentrations();
    for (const Axis axis : AllAxes) {
        if (layoutHasAxis(state_.modelData.DataType, axis)) {
            rowAt(intervalRowOf(axis)).text = intervalTextOf(state_.riskInput, axis);
        }
    }
    SetKindLabel();
}

void AnalysisForm::showDataNames() {
    const ModelDataSet& data = state_.modelData;
    rowAt(AnalysisRows::DataModel).text =
        upperCase(data.ModelName) + " - " + upperCase(data.SubModelName);
    rowAt(AnalysisRows::DataFileName).text = upperCase(data.DataFileName);
    for (const Axis axis : AllAxes) {
        rowAt(coordinateRowOf(axis)).text =
            layoutHasAxis(data.DataType, axis) ? rangeTextOf(data, axis) : std::string();
    }
}

void AnalysisForm::showDataUnits() {
    for (const Axis axis : AllAxes) {
        const std::string& unit =
            axis == Axis::T ? state_.modelData.TimeUnit : state_.modelData.LengthUnit;
        rowAt(coordinateRowOf(axis)).unit = unit;
        rowAt(intervalRowOf(axis)).unit = unit;
    }
    for (int row = AnalysisRows::AverageConcentration; row <= AnalysisRows::SpecifiedConcentration;
         ++row) {
        rowAt(row).unit = "mg/l";
    }
}

void AnalysisForm::showInputModeUnits() {
    for (const Axis axis : AllAxes) {
        const char* unit = axis == Axis::T ? "day" : "m";
        rowAt(coordinateRowOf(axis)).unit = unit;
        rowAt(intervalRowOf(axis)).unit = unit;
    }
    for (int row = AnalysisRows::AverageConcentration; row <= AnalysisRows::SpecifiedConcentration;
         ++row) {
        rowAt(row).unit = "mg/l";
    }
}

void AnalysisForm::showConcentrations() {
    const ModelDataSet& data = state_.modelData;
    if (data.DataType == -1) {
        return;
    }
    const std::string average = FormatNumber(generalText(data.AverageConcentration));
    rowAt(AnalysisRows::AverageConcentration).text =
        data.DataType == 0 ? "Monte Carlo" + std::string(HiddenNumberBlanks, ' ') + average
                           : average;
    rowAt(AnalysisRows::MaximumConcentration).text =
        FormatNumber(generalText(data.MaximumConcentration));
}

// The coordinate rows show the ranges of every axis of the layout; the interval rows only when
// the layout takes intervals. Both are stacked without gaps in the order X, Y, Z, T.
void AnalysisForm::stackAxisRows() {
    const ModelDataSet& data = state_.modelData;
    const bool intervals = takesIntervals(data);
    int slot = 0;
    for (const Axis axis : AllAxes) {
        const bool present = layoutHasAxis(data.DataType, axis);
        AnalysisRow& coordinate = rowAt(coordinateRowOf(axis));
        AnalysisRow& interval = rowAt(intervalRowOf(axis));
        coordinate.visible = present;
        interval.visible = present && intervals;
        coordinate.slot = interval.slot = present ? slot : 0;
        slot += present ? 1 : 0;
    }
    controls_.coordinateAxesShown = slot;
    controls_.intervalFrameVisible = intervals;
    controls_.intervalAxesShown = intervals ? slot : 0;
}

void AnalysisForm::updateTitle() {
    const std::string& fileName = state_.riskInput.FileName;
    controls_.title = trimBlanksView(fileName).empty()
                          ? "RISK ASSESSMENT"
                          : "RISK ASSESSMENT -- FileName: " + FileNameOf(fileName);
}

void AnalysisForm::RefreshResultsMenu() {
    MenuItem& graphics = controls_.menus.item(AnalysisMenu::Results, ResultsItem::Graphics);
    MenuItem& view = controls_.menus.item(AnalysisMenu::Results, ResultsItem::View);
    MenuItem& sensitivity = controls_.menus.item(AnalysisMenu::Results, ResultsItem::Sensitivity);
    MenuItem& risk = controls_.menus.item(AnalysisMenu::Results, ResultsItem::Risk);
    MenuItem& csv = controls_.menus.item(AnalysisMenu::File, FileItem::ExportCsv);
    if (state_.AnalysisState == Analysis::Changed) {
        graphics.enabled = false;
        view.enabled = false;
        sensitivity.enabled = false;
        risk.enabled = false;
        csv.enabled = false;
        rowAt(AnalysisRows::Result).text.clear();
        return;
    }
    view.enabled = true;
    graphics.enabled =
        contains(lowerCase(state_.riskInput.ResultText), "monte") && state_.ResultCount >= 3;
    sensitivity.enabled = graphics.enabled;
    risk.enabled = true;
    csv.enabled = true;
}

bool AnalysisForm::referencesInUse() const {
    if (row(AnalysisRows::concentrationRowOf(controls_.concentrationOption)).red()) {
        return true;
    }
    for (int number = AnalysisRows::FirstParameter; number <= AnalysisRows::LastParameter;
         ++number) {
        if (row(number).visible && row(number).red()) {
            return true;
        }
    }
    return false;
}

void AnalysisForm::SetKindLabel() {
    controls_.kindLabel = referencesInUse() ? "Monte Carlo" : "Regular";
}

void AnalysisForm::StripMonteCarloReferences() {
    for (int number = AnalysisRows::AverageConcentration; number <= AnalysisRows::LastParameter;
         ++number) {
        if (number == AnalysisRows::AverageConcentration && state_.modelData.DataType == 0) {
            continue;
        }
        AnalysisRow& entry = rowAt(number);
        entry.text = ParamDisplayValue(entry.text);
    }
}

// Generated values belong to the pathway, concentration and data they were generated for; after
// a change of any of them a Monte Carlo run must be generated again.
void AnalysisForm::resetMonteCarloRun() {
    state_.MonteCarloCount = 0;
    state_.SavedMCInputRowCount = 0;
    state_.SavedMCResultRowCount = 0;
    StripMonteCarloReferences();
}

// Filling the window from a freshly read risk data file is not an edit.
void AnalysisForm::markInputChanged() {
    if (!state_.RiskFileOpened) {
        state_.AnalysisState = Analysis::Changed;
    }
}

bool AnalysisForm::acceptsUserActions() const {
    return controls_.dataAreaEnabled && !driver_.isRunning();
}

void AnalysisForm::reportFailure(const std::exception& failure) {
    torval::reportFailure(prompter_, failure, "", "");
}

} // namespace torval
