// One Monte Carlo generation asks the generator library for a series per variant; with the
// largest number of terms (32,767, so 32,768 values) and one variant of every distribution,
// this is the generation's share of what the analyst waits for after pressing Generate.
#include "stogen/GeneratorRequest.h"
#include "stogen/SeedControl.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr int32_t largestCount = 32767 + 1;

GeneratorRequest requestFor(int16_t distribution, float mean, float variance, float minimum,
                            float maximum) {
    return {largestCount, mean, std::sqrt(variance), variance, minimum, maximum, distribution, 0};
}

// Bounds that cut into every distribution, so the truncation is part of what is measured.
const std::vector<GeneratorRequest> oneVariantPerDistribution = {
    requestFor(GeneratorNormal, 70, 100, 40, 100),
    requestFor(GeneratorLognormal, 10, 25, 2, 30),
    requestFor(GeneratorUniform, 5, 3, 2, 8),
    requestFor(GeneratorExponential, 3, 9, 0.5f, 12),
    requestFor(GeneratorGumbel, 10, 9, 4, 25),
    requestFor(GeneratorTriangle, 4, 2, 1, 9),
    requestFor(GeneratorLoguniform, 1, 1, 0.01f, 100),
};

void BM_GenerateOneVariantPerDistribution(benchmark::State& state) {
    std::vector<float> series(largestCount);
    torval::stogen::internal::reseed(2024);
    for (auto _ : state) {
        for (GeneratorRequest request : oneVariantPerDistribution) {
            benchmark::DoNotOptimize(monteCarlo(&request, series.data()));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<long>(oneVariantPerDistribution.size()) * largestCount);
}
BENCHMARK(BM_GenerateOneVariantPerDistribution)->Unit(benchmark::kMillisecond)->UseRealTime();

// Per distribution, to see which one dominates the total.
void BM_GenerateVariant(benchmark::State& state) {
    std::vector<float> series(largestCount);
    const GeneratorRequest variant =
        oneVariantPerDistribution.at(static_cast<std::size_t>(state.range(0)));
    torval::stogen::internal::reseed(2024);
    for (auto _ : state) {
        GeneratorRequest request = variant;
        benchmark::DoNotOptimize(monteCarlo(&request, series.data()));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * largestCount);
}
BENCHMARK(BM_GenerateVariant)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

} // namespace
