// Normalising a loaded data set and averaging or maximising its grid are memory-bound passes
// over up to ten million cells; each must run as fast as a plain loop summing the same doubles
// (BM_PlainSum is the yardstick). The grid is X-Y-Z-T, 100 x 100 x 100 x 10 cells, sized from
// 0 in every dimension as the readers size it, so every pass also steps over the index-0 cells.
#include "concentration/AveConc.h"
#include "datafiles/ModelDataSet.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

using torval::AxisInterval;
using torval::BoundedArray;
using torval::ConcentrationGrid;
using torval::ModelDataSet;

constexpr std::int16_t NumX = 100;
constexpr std::int16_t NumY = 100;
constexpr std::int16_t NumZ = 100;
constexpr std::int16_t NumT = 10;
constexpr std::int64_t CellCount = std::int64_t{NumX} * NumY * NumZ * NumT;

// On a shared machine the fastest of several repetitions tells the cost of the work itself:
// run with --benchmark_repetitions=N to get it beside the mean and median.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// A smooth plume with values spread over several magnitudes, cell by cell in index order.
double plumeValue(std::int64_t n) {
    return 1e-3 * static_cast<double>(n % 9973) + 1e-9 * static_cast<double>(n % 101);
}

BoundedArray<double, 1> axisOf(std::int16_t count) {
    BoundedArray<double, 1> axis;
    axis.redim({0, count});
    for (std::int16_t i = 1; i <= count; ++i) {
        axis.at(i) = 10.0 * (i - 1);
    }
    return axis;
}

ModelDataSet makeDataSet() {
    ModelDataSet data;
    data.ModelName = "Groundwater";
    data.DataType = 17;
    data.NumX = NumX;
    data.NumY = NumY;
    data.NumZ = NumZ;
    data.NumT = NumT;
    data.XValues = axisOf(NumX);
    data.YValues = axisOf(NumY);
    data.ZValues = axisOf(NumZ);
    data.TValues = axisOf(NumT);
    data.ConcentrationGrid.redim({0, NumX}, {0, NumY}, {0, NumZ}, {0, NumT});
    std::int64_t n = 0;
    data.ConcentrationGrid.forEachCell(
        {ConcentrationGrid::indexesUpTo(NumX), ConcentrationGrid::indexesUpTo(NumY),
         ConcentrationGrid::indexesUpTo(NumZ), ConcentrationGrid::indexesUpTo(NumT)},
        [&n](double& cell) { cell = plumeValue(n++); });
    return data;
}

ModelDataSet& dataSet() {
    static ModelDataSet data = makeDataSet();
    return data;
}

std::vector<double>& plainValues() {
    static std::vector<double> values = [] {
        std::vector<double> plain(static_cast<std::size_t>(CellCount));
        for (std::int64_t n = 0; n < CellCount; ++n) {
            plain[static_cast<std::size_t>(n)] = plumeValue(n);
        }
        return plain;
    }();
    return values;
}

void BM_PlainSum(benchmark::State& state) {
    const std::vector<double>& values = plainValues();
    for (auto _ : state) {
        double sum = 0.0;
        for (const double value : values) {
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(BM_PlainSum)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

// The yardstick of a read-modify-write pass: the same work as NormaliseDataSet's (scale each
// value in place, keep the maximum and the sum), written by hand over the plain array. Writing
// every value back costs memory traffic that a pure sum does not have.
void BM_PlainScaleMaxSum(benchmark::State& state) {
    std::vector<double>& values = plainValues();
    double factor = 1000.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(factor);
        double maximum = -1E20;
        double sum = 0.0;
        for (double& value : values) {
            value *= factor;
            maximum = maximum < value ? value : maximum;
            sum += value;
        }
        benchmark::DoNotOptimize(maximum);
        benchmark::DoNotOptimize(sum);
        factor = factor == 1000.0 ? 0.001 : 1000.0;
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(BM_PlainScaleMaxSum)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

void BM_GridMean4D(benchmark::State& state) {
    const ModelDataSet& data = dataSet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            torval::GridMean4D(AxisInterval{"", data.XValues}, AxisInterval{"", data.YValues},
                               AxisInterval{"", data.ZValues}, AxisInterval{"", data.TValues},
                               data.ConcentrationGrid));
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(BM_GridMean4D)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

// The same mean over intervals that cover the whole axes: the cells are picked by coordinate.
void BM_GridMean4DOverIntervals(benchmark::State& state) {
    const ModelDataSet& data = dataSet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(torval::GridMean4D(
            AxisInterval{"0:990", data.XValues}, AxisInterval{"0:990", data.YValues},
            AxisInterval{"990:0", data.ZValues}, AxisInterval{"0:90", data.TValues},
            data.ConcentrationGrid));
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(BM_GridMean4DOverIntervals)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", fastest);

void BM_GridMax4D(benchmark::State& state) {
    const ModelDataSet& data = dataSet();
    for (auto _ : state) {
        benchmark::DoNotOptimize(torval::GridMax4D(NumX, NumY, NumZ, NumT, data.ConcentrationGrid));
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(BM_GridMax4D)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

// Scales every cell, takes the maximum and the average. The unit alternates between two
// factors whose product is about 1, so the values stay in range over any number of runs.
void BM_NormaliseDataSet(benchmark::State& state) {
    ModelDataSet& data = dataSet();
    bool up = true;
    for (auto _ : state) {
        data.ConcentrationUnit = up ? "kg/m3" : "ppb";
        up = !up;
        torval::NormaliseDataSet(data, 2);
        benchmark::DoNotOptimize(data.AverageConcentration);
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}
BENCHMARK(BM_NormaliseDataSet)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

} // namespace
