// A Monte Carlo calculation as the user starts it: the Calculation command on the analysis
// form, 32,767 evaluations (the most a run can hold), with the concentration and two
// parameters varied, and an event pump that has nothing to do.
#include "MonteCarloRun.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"
#include "intake/VariedInputs.h"
#include "montecarlo/Convergence.h"
#include "montecarlo/Sensitivity.h"

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

// The analysis form over `state`, its entries referring to the three variants.
void prepareAnalysis(torval::AnalysisForm& form, torval::AppState& state) {
    generateValues(state);
    form.load();
    form.selectConcentration(2);
    state.MonteCarloCount = Evaluations + 1; // the option change reset it
    form.editEntry(12, reference("1.5", 1));
    form.editEntry(14, reference("2", 2));
    form.editEntry(15, "365");
    form.editEntry(16, reference("30", 3));
    form.editEntry(17, "70");
    form.editEntry(18, "70");
}

void BM_MonteCarloCalculation(benchmark::State& run) {
    torval::AppState state;
    montecarlobench::SilentPrompter prompter;
    montecarlobench::IdlePump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    torval::AnalysisForm form(state, prompter, services);
    prepareAnalysis(form, state);
    for (auto _ : run) {
        form.CalculationCommand();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_MonteCarloCalculation)->Unit(benchmark::kMillisecond);

// What the sensitivity and convergence figures cost after such a calculation: the inputs
// found again by replaying the evaluations, their rank correlations and the running figures.
void BM_FiguresAfterCalculation(benchmark::State& run) {
    torval::AppState state;
    montecarlobench::SilentPrompter prompter;
    montecarlobench::IdlePump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    torval::AnalysisForm form(state, prompter, services);
    prepareAnalysis(form, state);
    form.CalculationCommand();
    for (auto _ : run) {
        const std::vector<double> intakes = torval::CalculatedIntakes(state);
        benchmark::DoNotOptimize(
            torval::SensitivityAnalysis(torval::VariedInputValues(state), intakes));
        benchmark::DoNotOptimize(torval::convergenceOf(intakes));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_FiguresAfterCalculation)->Unit(benchmark::kMillisecond);

} // namespace
