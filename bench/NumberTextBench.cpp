// Number texts sit on every hot path: each Monte Carlo evaluation sends its resolved values
// through the general text form and back, and the readers parse every grid value.
#include "shell/NumberText.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> sampleTexts = {"2",       "365",    "70",  "0.000521428571428571",
                                              "1.5E-07", " -2.5 ", "1e5", "12345.678"};

void BM_ToDouble(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& text : sampleTexts) {
            benchmark::DoNotOptimize(torval::toDouble(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(sampleTexts.size()));
}
BENCHMARK(BM_ToDouble);

void BM_GeneralText(benchmark::State& state) {
    double value = 0.000521428571428571;
    for (auto _ : state) {
        benchmark::DoNotOptimize(torval::generalText(value));
        value += 1e-9;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeneralText);

void BM_FormatNumber(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& text : sampleTexts) {
            benchmark::DoNotOptimize(torval::FormatNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(sampleTexts.size()));
}
BENCHMARK(BM_FormatNumber);

} // namespace
