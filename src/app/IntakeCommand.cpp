#include "IntakeCommand.h"

#include "AppState.h"
#include "CountingPrompter.h"
#include "intake/IntakeEquations.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <cstdint>
#include <exception>

namespace torval::cli {

namespace {

RiskInput inputOf(const IntakeRequest& request) {
    RiskInput input;
    input.ConcChoice = 2;
    input.SpecifiedConc = request.concentration;
    input.IntakeType = static_cast<std::int16_t>(request.pathway);
    parameterSet(input, request.pathway) = request.parameters;
    return input;
}

double evaluateOnce(const RiskInput& input) {
    const AppState state{};
    RiskInput work;
    ResolveEvaluationInput(state, input, work, 1);
    return ComputeIntake(work);
}

// Some codes are deliberately silent in the windows (a missing Monte Carlo value lets the
// calculation go on); a command line that stops must still say why.
void explainSilentFailure(int code, std::ostream& err) {
    err << "torval-cli: run-time error " << code;
    if (code == ErrorCode::SubscriptOutOfRange) {
        err << ": a Monte Carlo reference names a value that has not been generated";
    }
    err << '\n';
}

} // namespace

int runIntake(const IntakeRequest& request, Prompter& prompter, std::ostream& out,
              std::ostream& err) {
    try {
        const double intake = evaluateOnce(inputOf(request));
        out << generalText(intake) << '\n';
        return ExitSuccess;
    } catch (const std::exception& failure) {
        CountingPrompter counting(prompter);
        reportFailure(counting, failure, "", "");
        if (counting.count == 0) {
            explainSilentFailure(runTimeCodeOf(failure), err);
        }
        return ExitRunTimeError;
    }
}

} // namespace torval::cli
