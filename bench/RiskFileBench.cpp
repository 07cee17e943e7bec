// Saving and reopening an analysis is dominated by the model data section when the loaded data
// hold a large grid. Target: each of writing and reading the section of a 1,000,000-cell grid
// (100 x 100 x 100, a three-dimensional groundwater layout) under 0.5 s. The cells carry up to
// 15 significant digits, the costly case for both the number texts and their parsing.
#include "analysisfile/RiskModelDataSection.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using torval::BoundedArray;
using torval::ModelDataSet;

constexpr std::int16_t PointsPerAxis = 100;

BoundedArray<double, 1> axisOf(std::int16_t count) {
    BoundedArray<double, 1> axis;
    axis.redim({1, count});
    for (std::int16_t i = 1; i <= count; ++i) {
        axis.at(i) = 12.5 * (i - 1);
    }
    return axis;
}

ModelDataSet largeGroundwaterSet() {
    ModelDataSet data;
    data.ModelName = "Groundwater";
    data.DataType = 10;
    data.NumX = data.NumY = data.NumZ = PointsPerAxis;
    data.XValues = axisOf(PointsPerAxis);
    data.YValues = axisOf(PointsPerAxis);
    data.ZValues = axisOf(PointsPerAxis);
    data.ConcentrationGrid.redim({1, PointsPerAxis}, {1, PointsPerAxis}, {1, PointsPerAxis});
    std::int64_t n = 0;
    const auto all = torval::ConcentrationGrid::indexesUpTo(PointsPerAxis);
    data.ConcentrationGrid.forEachCell({all, all, all}, [&n](double& cell) {
        cell = 1e-3 * static_cast<double>(n % 9973) + 1e-9 * static_cast<double>(n % 101);
        ++n;
    });
    return data;
}

void BM_WriteModelDataSection(benchmark::State& state) {
    const ModelDataSet data = largeGroundwaterSet();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        torval::WriteModelDataSection(out, data, true);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteModelDataSection)->Unit(benchmark::kMillisecond);

// Includes taking the text into the reader, as opening a file does.
void BM_ReadModelDataSection(benchmark::State& state) {
    std::string text;
    torval::WriteModelDataSection(text, largeGroundwaterSet(), true);
    for (auto _ : state) {
        torval::FreeFormatReader in(text);
        ModelDataSet data;
        torval::ReadModelDataSection(in, data, true);
        benchmark::DoNotOptimize(data.ConcentrationGrid.at(1, 1, 1));
    }
}
BENCHMARK(BM_ReadModelDataSection)->Unit(benchmark::kMillisecond);

} // namespace
