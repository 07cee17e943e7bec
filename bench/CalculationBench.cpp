// A Monte Carlo calculation as the user starts it: the Calculation command on the analysis
// form, 32,767 evaluations (the most a run can hold), with the concentration and two
// parameters varied, and an event pump that has nothing to do. The calculation rounds its
// generated columns on two threads, so the benches count real time.
#include "MonteCarloRun.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"
#include "intake/VariedInputs.h"
#include "montecarlo/Convergence.h"
#include "montecarlo/Sensitivity.h"

namespace {

using montecarlobench::Evaluations;
using montecarlobench::reference;

void BM_MonteCarloCalculation(benchmark::State& run) {
    montecarlobench::PreparedForm prepared;
    torval::AppState& state = prepared.state;
    torval::AnalysisForm& form = prepared.form;
    for (auto _ : run) {
        form.CalculationCommand();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_MonteCarloCalculation)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the sensitivity and convergence figures cost after such a calculation: the inputs
// found again by replaying the evaluations, their rank correlations and the running figures.
void BM_FiguresAfterCalculation(benchmark::State& run) {
    montecarlobench::PreparedForm prepared;
    torval::AppState& state = prepared.state;
    torval::AnalysisForm& form = prepared.form;
    form.CalculationCommand();
    for (auto _ : run) {
        const std::vector<double> intakes = torval::CalculatedIntakes(state);
        benchmark::DoNotOptimize(
            torval::SensitivityAnalysis(torval::VariedInputValues(state), intakes));
        benchmark::DoNotOptimize(torval::convergenceOf(intakes));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_FiguresAfterCalculation)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
