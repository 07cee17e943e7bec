// What the analyst waits for after pressing Generate with the largest number of terms: seven
// variants (one per distribution) of 32,767 terms, each drawn by the generator library, summarised
// and stored for the calculation; and the whole Monte Carlo run, that generation followed by a
// calculation of 32,767 evaluations that reads four of the variants. Compare both with
// BM_GenerateOneVariantPerDistribution, the library's drawing of the same values alone. The
// generation summarises a variant on a second thread while it draws the next, so these count
// the time that passes (real time), not the CPU time of this thread alone.
#include "MonteCarloRun.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"
#include "montecarlo/GenerateSimulation.h"
#include "montecarlo/MonteCarloSaveRestore.h"
#include "montecarlo/VariantTable.h"

#include <benchmark/benchmark.h>
#include <stogen/GeneratorRequest.h>
#include <stogen/SeedControl.h>

namespace {

using montecarlobench::reference;
using montecarlobench::SilentPrompter;

// Bounds that cut into every distribution, so the truncation is part of what is measured.
torval::AppState sevenVariants() {
    torval::AppState state;
    torval::InitialiseMonteCarloTables(state, 8);
    const torval::MonteCarloVariant variants[] = {
        {"Body Weight", "70", "40", "100", "100", "32767", "Normal", true},
        {"Concentration", "10", "2", "30", "25", "32767", "Lognormal", true},
        {"Exposure Time", "5", "2", "8", "3", "32767", "Uniform", true},
        {"Exposure Frequency", "3", "0.5", "12", "9", "32767", "Exponential", true},
        {"Exposure Duration", "10", "4", "25", "9", "32767", "Gumbel", true},
        {"Ingestion Rate", "4", "1", "9", "2", "32767", "Triangle", true},
        {"Skin Area", "1", "0.01", "100", "1", "32767", "Loguniform", true},
    };
    int row = 1;
    for (const torval::MonteCarloVariant& variant : variants) {
        state.InputTGData.at(row++, 1) = variant;
    }
    return state;
}

void BM_GenerateSevenVariantsWithStatistics(benchmark::State& bench) {
    torval::AppState state = sevenVariants();
    SilentPrompter prompter;
    torval::stogen::internal::reseed(2024);
    for (auto _ : bench) {
        if (!torval::GenerateSimulation(state, prompter, {}, &monteCarlo)) {
            bench.SkipWithError("the variants were refused");
            break;
        }
        benchmark::DoNotOptimize(state.SimulatedValues.elements().data());
    }
    bench.SetItemsProcessed(bench.iterations() * 7 * (32767 + 1));
}
BENCHMARK(BM_GenerateSevenVariantsWithStatistics)->Unit(benchmark::kMillisecond)->UseRealTime();

// Drinking water, Ri x C x Fe x Dt / (Wb x Tavg), with C, Ri, Dt and Wb varied.
void enterReferences(torval::AnalysisForm& form) {
    form.load();
    form.selectConcentration(2);
    form.editEntry(12, reference("10", 2));
    form.editEntry(14, reference("4", 6));
    form.editEntry(15, "365");
    form.editEntry(16, reference("10", 5));
    form.editEntry(17, reference("70", 1));
    form.editEntry(18, "25550");
}

void BM_GenerateAndCalculate(benchmark::State& bench) {
    torval::AppState state = sevenVariants();
    SilentPrompter prompter;
    montecarlobench::IdlePump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    torval::AnalysisForm form(state, prompter, services);
    enterReferences(form);
    torval::stogen::internal::reseed(2024);
    for (auto _ : bench) {
        if (!torval::GenerateSimulation(state, prompter, {}, &monteCarlo)) {
            bench.SkipWithError("the variants were refused");
            break;
        }
        torval::SaveMonteCarloTables(state, torval::AnalysisCallerTag);
        form.CalculationCommand();
        benchmark::DoNotOptimize(state.IntakeResults.at(montecarlobench::Evaluations));
    }
    montecarlobench::expectFullCalculation(bench, state);
}
BENCHMARK(BM_GenerateAndCalculate)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
