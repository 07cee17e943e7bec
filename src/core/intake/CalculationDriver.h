#pragma once
// The Calculation command of the analysis window and the Stop button: checks the entries,
// copies the window into RiskInput, evaluates the intake once (a regular calculation) or once
// per Monte Carlo iteration, stores the intakes in IntakeResults and keeps ResultsOutdated
// telling whether the results on view belong to the current input.
//
// Everything runs on the user-interface thread. Between evaluations the loop lets the window's
// pending events run through the EventPump, so that Stop can be clicked; pumping takes time, so
// it happens before the first evaluation and then whenever the pump interval has passed (20 ms
// unless set otherwise). Each pass pumps (when due), then reads StopRequested, then evaluates,
// so a Stop confirmed during a pump ends the loop before the next evaluation.

#include "intake/ResolvedEvaluation.h"

#include <chrono>
#include <cstdint>

namespace torval {

class AnalysisForm;

class CalculationDriver {
public:
    static constexpr std::chrono::milliseconds DefaultPumpInterval{20};

    explicit CalculationDriver(AnalysisForm& form) : form_(form) {}
    CalculationDriver(const CalculationDriver&) = delete;
    CalculationDriver& operator=(const CalculationDriver&) = delete;

    // The "&Calculation!" menu command. Does nothing while its menu is disabled (which it is
    // during a run, so a click let through by the event pump cannot start a second run).
    void CalculationCommand();

    // The four field checks on the selected concentration and each visible parameter, skipping
    // Monte Carlo references. On the first failure the tab page of the entries is shown, the
    // failing entry takes the focus and the answer is false.
    bool ValidateInputs();

    // Runs EvaluateAll with the window set up for a run (status, progress bar, Stop button,
    // data area and menus disabled) and put back afterwards; sets ResultsOutdated.
    void RunCalculation();

    // The evaluation loop; true when it ran to its end.
    bool EvaluateAll();

    // The Stop button: asks, and on Yes requests the running loop to stop. Does nothing while
    // the button is not shown.
    void StopCommand();

    // Moves the progress bar to evaluation i of count.
    void UpdateProgress(std::int32_t count, std::int32_t i);

    // How long the loop may run between two pumps of pending events; zero pumps before every
    // evaluation.
    void setPumpInterval(std::chrono::nanoseconds interval) noexcept { pumpInterval_ = interval; }

    bool isRunning() const noexcept { return running_; }

private:
    AnalysisForm& form_;
    std::chrono::nanoseconds pumpInterval_ = DefaultPumpInterval;
    std::chrono::steady_clock::time_point lastPump_;
    bool running_ = false;
    // The working copy of one evaluation, held as numbers. It lives for a whole calculation:
    // after a reference outside the generated tables (9) an evaluation goes on with what the
    // previous one left.
    ResolvedEvaluation work_;

    bool failsChecks(int row);
    bool refuseEntry(int row);
    void setRunControlsEnabled(bool enabled);
    void pumpEvents();
    void pumpEventsWhenDue(std::int32_t i);
    std::int32_t evaluationCount(bool monteCarlo);
    bool evaluate(const EvaluationPlan& plan, std::int32_t i);
    void showOutcome();
    // Runs one statement under the loop's error trap: a failure is reported, and the answer
    // tells whether to go on with the next statement (true) or to leave (false).
    template <typename Statement>
    bool trapped(Statement&& statement);
};

} // namespace torval
