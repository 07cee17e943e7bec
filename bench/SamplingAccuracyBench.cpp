// Latin hypercube against random sampling at the same number of iterations: the intake
// concentration x ingestion rate / body weight, both factors lognormal (so the intake is
// lognormal with known mean and 95th percentile), estimated over 200 seeds. The counters are
// the root mean square errors of the estimated mean and P95 relative to the exact values, in
// percent; the time is that of the 200 runs.
#include "montecarlo/IntakeSummary.h"
#include "stogen/GeneratorRequest.h"
#include "stogen/SeedControl.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr int Seeds = 200;
constexpr double BodyWeight = 70;
constexpr double Z95 = 1.6448536269514722; // the standard normal's 95th percentile

struct LognormalFactor {
    float mean;
    float variance;
    double location() const {
        return std::log(double(mean) * mean / std::sqrt(double(variance) + double(mean) * mean));
    }
    double scaleSquared() const { return std::log1p(double(variance) / (double(mean) * mean)); }
};

// Concentration in mg/l and ingestion rate in l/day. The bounds lie so far out that the
// truncation moves neither figure.
constexpr LognormalFactor Concentration{0.05F, 0.0009F};
constexpr LognormalFactor IngestionRate{2.0F, 0.64F};

double exactMean() {
    return double(Concentration.mean) * IngestionRate.mean / BodyWeight;
}

double exactP95() {
    const double location =
        Concentration.location() + IngestionRate.location() - std::log(BodyWeight);
    const double scale = std::sqrt(Concentration.scaleSquared() + IngestionRate.scaleSquared());
    return std::exp(location + Z95 * scale);
}

using Entry = int16_t(STOGEN_CALL*)(GeneratorRequest*, float*);

std::vector<float> series(Entry entry, const LognormalFactor& factor, int count) {
    std::vector<float> values(static_cast<std::size_t>(count));
    GeneratorRequest request{count,  factor.mean, std::sqrt(factor.variance), factor.variance,
                             1e-20F, 1e20F,       GeneratorLognormal,         0};
    if (entry(&request, values.data()) != GeneratorOk) {
        values.clear();
    }
    return values;
}

void BM_LognormalIntakeAccuracy(benchmark::State& state) {
    const Entry entry = state.range(0) == 0 ? &monteCarlo : &latinHypercube;
    const auto count = static_cast<int>(state.range(1));
    double meanSquares = 0;
    double p95Squares = 0;
    for (auto _ : state) {
        meanSquares = 0;
        p95Squares = 0;
        for (int seed = 1; seed <= Seeds; ++seed) {
            torval::stogen::internal::reseed(static_cast<std::uint64_t>(seed));
            const std::vector<float> concentration = series(entry, Concentration, count);
            const std::vector<float> rate = series(entry, IngestionRate, count);
            if (concentration.empty() || rate.empty()) {
                state.SkipWithError("the generator refused the request");
                return;
            }
            std::vector<double> intakes(static_cast<std::size_t>(count));
            for (std::size_t i = 0; i < intakes.size(); ++i) {
                intakes[i] = double(concentration[i]) * rate[i] / BodyWeight;
            }
            const torval::IntakeSummary summary = torval::summariseIntakes(intakes);
            meanSquares += std::pow(summary.mean / exactMean() - 1, 2);
            p95Squares += std::pow(summary.p95 / exactP95() - 1, 2);
        }
    }
    state.counters["meanRMSE%"] = 100 * std::sqrt(meanSquares / Seeds);
    state.counters["p95RMSE%"] = 100 * std::sqrt(p95Squares / Seeds);
    state.SetLabel(state.range(0) == 0 ? "random" : "latin hypercube");
}
BENCHMARK(BM_LognormalIntakeAccuracy)
    ->ArgsProduct({{0, 1}, {100, 1000}})
    ->ArgNames({"lhs", "n"})
    ->Unit(benchmark::kMillisecond);

} // namespace
