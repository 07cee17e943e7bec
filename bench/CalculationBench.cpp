// A Monte Carlo calculation as the user starts it: the Calculation command on the analysis
// form, 32,767 evaluations (the most a run can hold), with the concentration and two
// parameters varied, and an event pump that has nothing to do.
#include "MonteCarloRun.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"

#include <random>

namespace {

using montecarlobench::Evaluations;
using montecarlobench::reference;

// Variants 1..3 with values of every magnitude a generator gives, full 17-digit doubles.
void generateValues(torval::AppState& state) {
    state.SavedSimulatedValues.redim({1, 3}, {0, Evaluations}, {1, 1});
    std::mt19937_64 generator(20240611);
    std::lognormal_distribution<double> values(0.0, 1.0);
    for (int variant = 1; variant <= 3; ++variant) {
        for (std::int32_t iteration = 1; iteration <= Evaluations; ++iteration) {
            state.SavedSimulatedValues.at(variant, iteration, 1) = values(generator);
        }
    }
    state.MonteCarloCount = Evaluations + 1;
}

void BM_MonteCarloCalculation(benchmark::State& run) {
    torval::AppState state;
    generateValues(state);
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
