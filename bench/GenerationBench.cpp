// What the analyst waits for after pressing Generate with the largest number of terms: seven
// variants (one per distribution) of 32,767 terms, each drawn by the generator library, summarised
// and stored for the calculation.
#include "AppState.h"
#include "montecarlo/GenerateSimulation.h"
#include "montecarlo/VariantTable.h"
#include "shell/Prompter.h"

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <stogen/GeneratorRequest.h>
#include <stogen/SeedControl.h>
#include <string>

namespace {

class SilentPrompter : public torval::Prompter {
public:
    torval::MessageAnswer show(const torval::Message& message) override {
        throw std::logic_error("unexpected message: " + message.text);
    }
    void setBusy(bool) override {}
};

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
BENCHMARK(BM_GenerateSevenVariantsWithStatistics)->Unit(benchmark::kMillisecond);

} // namespace
