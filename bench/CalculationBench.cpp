// A Monte Carlo calculation as the user starts it: the Calculation command on the analysis
// form, 32,767 evaluations (the most a run can hold), with the concentration and two
// parameters varied, and an event pump that has nothing to do.
#include "MonteCarloRun.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"

namespace {

using montecarlobench::Evaluations;
using montecarlobench::reference;

void BM_MonteCarloCalculation(benchmark::State& run) {
    torval::AppState state;
    montecarlobench::generateValues(state);
    montecarlobench::SilentPrompter prompter;
    montecarlobench::IdlePump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    torval::AnalysisForm form(state, prompter, services);
    form.load();
    form.selectConcentration(2);
    state.MonteCarloCount = Evaluations + 1; // the option change reset it
    form.editEntry(12, reference("1.5", 1));
    form.editEntry(14, reference("2", 2));
    form.editEntry(15, "365");
    form.editEntry(16, reference("30", 3));
    form.editEntry(17, "70");
    form.editEntry(18, "70");
    for (auto _ : run) {
        form.CalculationCommand();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_MonteCarloCalculation)->Unit(benchmark::kMillisecond);

} // namespace
