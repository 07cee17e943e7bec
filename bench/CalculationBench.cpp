// A Monte Carlo calculation as the user starts it: the Calculation command on the analysis
// form, 32,767 evaluations (the most a run can hold), with the concentration and two
// parameters varied, and an event pump that has nothing to do.
#include "AppState.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"
#include "shell/EventPump.h"
#include "shell/Prompter.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

namespace {

constexpr std::int32_t Evaluations = 32767;

class IdlePump : public torval::EventPump {
public:
    void pump() override {}
};

// A run that shows any message went wrong; the benchmark must not measure that.
class SilentPrompter : public torval::Prompter {
public:
    torval::MessageAnswer show(const torval::Message& message) override {
        throw std::logic_error("unexpected message: " + message.title);
    }
    void setBusy(bool) override {}
};

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

std::string reference(const char* mean, int variant) {
    return std::string(500, ' ') + "Monte Carlo|" + mean + ":" + std::to_string(variant);
}

void BM_MonteCarloCalculation(benchmark::State& run) {
    torval::AppState state;
    generateValues(state);
    SilentPrompter prompter;
    IdlePump pump;
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
    if (state.ResultCount != Evaluations + 1 || state.ResultsOutdated) {
        run.SkipWithError("the calculation did not run to its end");
    }
    run.SetItemsProcessed(run.iterations() * Evaluations);
}
BENCHMARK(BM_MonteCarloCalculation)->Unit(benchmark::kMillisecond);

} // namespace
