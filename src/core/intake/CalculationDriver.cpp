#include "intake/CalculationDriver.h"

#include "intake/AnalysisForm.h"
#include "intake/AnalysisMessages.h"
#include "intake/IntakeEquations.h"
#include "shell/ErrorReport.h"
#include "shell/FieldChecks.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

namespace torval {

namespace {

// The menus a calculation must keep the user out of: anything that would change or replace
// the input while it is being evaluated.
constexpr AnalysisMenu RunLockedMenus[] = {AnalysisMenu::File, AnalysisMenu::Calculation,
                                           AnalysisMenu::Results, AnalysisMenu::PlumexData};

} // namespace

template <typename Statement>
bool CalculationDriver::trapped(Statement&& statement) {
    try {
        statement();
        return true;
    } catch (const std::exception& failure) {
        return reportFailure(form_.prompter_, failure, "", "") == 0;
    }
}

void CalculationDriver::CalculationCommand() {
    AnalysisControls& controls = form_.controls_;
    if (running_ || !controls.menus.menu(AnalysisMenu::Calculation).enabled) {
        return;
    }
    AppState& state = form_.state_;
    form_.prompter_.setBusy(true);
    try {
        if (ValidateInputs()) {
            form_.ReadInputFromWindow(state.riskInput);
            RunCalculation();
            controls.menus.menu(AnalysisMenu::Results).enabled = true;
        }
    } catch (const std::exception& failure) {
        form_.reportFailure(failure);
    }
    // Even a refused calculation counts as the user's answer to the changed input.
    if (state.AnalysisState == Analysis::Changed) {
        state.AnalysisState = Analysis::Calculated;
    }
    form_.RefreshResultsMenu();
    showOutcome();
    form_.prompter_.setBusy(false);
}

void CalculationDriver::showOutcome() {
    const std::string& result = form_.state_.riskInput.ResultText;
    form_.rowAt(AnalysisRows::Result).text =
        contains(result, "Monte Carlo") ? trimBlanks(result) : FormatNumber(result);
}

bool CalculationDriver::ValidateInputs() {
    if (const std::optional<int> interval = form_.refusedInterval()) {
        return refuseEntry(*interval);
    }
    const int concentration = AnalysisRows::concentrationRowOf(form_.controls_.concentrationOption);
    if (failsChecks(concentration)) {
        return refuseEntry(concentration);
    }
    for (int row = AnalysisRows::FirstParameter; row <= AnalysisRows::LastParameter; ++row) {
        if (form_.row(row).visible && failsChecks(row)) {
            return refuseEntry(row);
        }
    }
    return true;
}

// A reference is checked by the Monte Carlo window when its values are generated.
bool CalculationDriver::failsChecks(int row) {
    const AnalysisRow& entry = form_.row(row);
    const std::string text = trimBlanks(entry.text);
    if (contains(text, "Monte Carlo")) {
        return false;
    }
    return failsFieldChecks(form_.prompter_, text, trimBlanks(entry.caption));
}

bool CalculationDriver::refuseEntry(int row) {
    form_.controls_.tabPage = AnalysisPages::Intake;
    form_.moveFocusTo(row);
    return false;
}

void CalculationDriver::RunCalculation() {
    AppState& state = form_.state_;
    AnalysisControls& controls = form_.controls_;
    controls.statusTag = controls.statusText;
    controls.statusText = "Status: computing...";
    controls.progress.visible = true;
    controls.stopVisible = true;
    controls.stopEnabled = true;
    state.StopRequested = false;
    // Locked before the first pump, so that no event let through can change the input.
    running_ = true;
    setRunControlsEnabled(false);
    const bool pumped = trapped([this] { pumpEvents(); });
    state.ResultsOutdated = !(pumped && EvaluateAll());

    form_.prompter_.setBusy(false);
    controls.progress.visible = false;
    controls.stopVisible = false;
    state.StopRequested = false;
    setRunControlsEnabled(true);
    running_ = false;
    controls.statusText = controls.statusTag;
}

void CalculationDriver::setRunControlsEnabled(bool enabled) {
    form_.controls_.dataAreaEnabled = enabled;
    for (const AnalysisMenu menu : RunLockedMenus) {
        form_.controls_.menus.menu(menu).enabled = enabled;
    }
}

void CalculationDriver::pumpEvents() {
    if (form_.services_.events != nullptr) {
        form_.services_.events->pump();
    }
    lastPump_ = std::chrono::steady_clock::now();
}

// Reading the clock costs about as much as an evaluation, so it is read every few passes only;
// an evaluation takes well under a microsecond, which keeps the pumps on their interval.
void CalculationDriver::pumpEventsWhenDue(std::int32_t i) {
    constexpr std::int32_t PassesPerClockReading = 64;
    const bool due = i == 1 || pumpInterval_.count() <= 0 ||
                     (i % PassesPerClockReading == 0 &&
                      std::chrono::steady_clock::now() - lastPump_ >= pumpInterval_);
    if (due) {
        pumpEvents();
    }
}

bool CalculationDriver::EvaluateAll() {
    AppState& state = form_.state_;
    work_ = ResolvedEvaluation();
    const EvaluationPlan plan(state, state.riskInput);
    const bool monteCarlo = form_.referencesInUse();
    form_.prompter_.setBusy(true);

    std::int32_t count = 2;
    if (!trapped([&] { count = evaluationCount(monteCarlo); })) {
        return false;
    }
    state.ResultCount = count;
    if (!trapped([&] { state.IntakeResults.redim({0, std::int64_t{count} - 1}); })) {
        return false;
    }
    for (std::int32_t i = 1; i < count; ++i) {
        // The pump comes first, so that a Stop seen in it ends the run before this evaluation.
        if (!trapped([&] { pumpEventsWhenDue(i); })) {
            return false;
        }
        if (state.StopRequested) {
            state.StopRequested = false;
            return false;
        }
        if (!evaluate(plan, i)) {
            return false;
        }
        if (monteCarlo) {
            UpdateProgress(count, i);
        }
    }

    if (monteCarlo) {
        state.riskInput.ResultText = "Monte Carlo";
        if (count <= 2) {
            form_.prompter_.show(tooFewSimulationsMessage());
        }
    } else if (!trapped(
                   [&] { state.riskInput.ResultText = generalText(state.IntakeResults.at(1)); })) {
        return false;
    }
    form_.prompter_.setBusy(false);
    return true;
}

// A data file with its own Monte Carlo values decides how many iterations there are.
std::int32_t CalculationDriver::evaluationCount(bool monteCarlo) {
    if (!monteCarlo) {
        return 2;
    }
    AppState& state = form_.state_;
    if (state.modelData.DataType == 0) {
        state.MonteCarloCount = state.modelData.McIterationCount;
    }
    return state.MonteCarloCount;
}

// One pass of the loop: the evaluation number travels as a 16-bit integer, so evaluation 32768
// overflows. A reference outside the generated tables (9) is reported as nothing and the
// intake is computed from what the working copy already holds.
bool CalculationDriver::evaluate(const EvaluationPlan& plan, std::int32_t i) {
    AppState& state = form_.state_;
    std::int16_t evaluation = 0;
    if (!trapped([&] { evaluation = toInt16(static_cast<double>(i)); })) {
        return false;
    }
    if (!trapped([&] { plan.resolve(evaluation, work_); })) {
        return false;
    }
    return trapped([&] { state.IntakeResults.at(i) = ComputeIntake(work_); });
}

void CalculationDriver::UpdateProgress(std::int32_t count, std::int32_t i) {
    ProgressBar& bar = form_.controls_.progress;
    if (i == 1) {
        bar.value = bar.minimum;
        return;
    }
    const auto value = static_cast<float>(static_cast<double>(i) / count * 100.0);
    bar.value = value > bar.maximum ? 100.0F : value;
}

void CalculationDriver::StopCommand() {
    if (!form_.controls_.stopVisible || !form_.controls_.stopEnabled) {
        return;
    }
    Prompter& prompter = form_.prompter_;
    prompter.setBusy(false);
    if (prompter.show(stopCalculationQuestion()) == MessageAnswer::Yes) {
        form_.state_.StopRequested = true;
    } else {
        form_.state_.StopRequested = false;
        prompter.setBusy(true);
    }
}

} // namespace torval
