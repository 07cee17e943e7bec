#include "montecarlo/GenerateSimulation.h"

#include "montecarlo/DistributionCode.h"
#include "montecarlo/Statistics.h"
#include "montecarlo/VariantChecks.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/SecondThread.h"

#include <cmath>
#include <future>
#include <span>
#include <utility>
#include <vector>

namespace torval {

namespace {

// The busy pointer shows for the whole generation and is restored however it ends.
class BusyPointer {
public:
    explicit BusyPointer(Prompter& prompter) : prompter_(prompter) { prompter_.setBusy(true); }
    ~BusyPointer() { prompter_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Prompter& prompter_;
};

// The library takes floats: a number beyond the float range is an overflow.
float singleOf(std::string_view text) {
    const auto value = static_cast<float>(toDouble(text));
    if (std::isinf(value)) {
        throw RunTimeError(ErrorCode::Overflow);
    }
    return value;
}

GeneratorRequest requestFor(const MonteCarloVariant& variant, std::int32_t count,
                            std::int16_t distribution) {
    GeneratorRequest request{};
    request.Count = count;
    request.Mean = singleOf(variant.Mean);
    request.Variance = singleOf(variant.Variance);
    request.StdDev = std::sqrt(request.Variance);
    request.Minimum = singleOf(variant.Minimum);
    request.Maximum = singleOf(variant.Maximum);
    request.Distribution = distribution;
    return request;
}

// Every generation starts from empty value tables, so values of another chemical or of an
// earlier number of terms never mix with the new ones.
void prepareValueTables(AppState& state) {
    const std::int32_t count = toInt16(FirstTerms(state)) + 1;
    state.GeneratedSeries.redim({0, count});
    state.MonteCarloCount = count;
    state.SimulatedValues.redim({0, state.MCResultRowCount}, {0, count},
                                {0, state.MCChemicalCount});
}

// The values the library says it delivered, which can be no more than were asked for.
std::span<const float> deliveredSeries(const AppState& state, std::int32_t delivered) {
    if (delivered < 0 || delivered > state.MonteCarloCount) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return state.GeneratedSeries.elements().subspan(1, static_cast<std::size_t>(delivered));
}

void storeStatistics(AppState& state, int row, const std::string& name,
                     const SeriesStatistics& statistics) {
    MonteCarloResult& result = state.ResultTGData.at(row, state.MCCurrentChemical);
    result.Variant = name;
    result.Median = FormatStatistic(statistics.median);
    result.Minimum = FormatStatistic(statistics.minimum);
    result.Maximum = FormatStatistic(statistics.maximum);
    result.ArithmeticMean = FormatStatistic(statistics.arithmeticMean);
    result.GeometricMean = FormatStatistic(statistics.geometricMean);
    result.StandardDeviation = FormatStatistic(statistics.standardDeviation);
    result.Selected = true;
}

// The statistics of one row, computed on another thread while this one draws the next row.
// Only a series whose statistics cannot fail goes there, so a generation that fails does so at
// the same row, with the same rows summarised, as when every row is summarised in turn.
class BackgroundStatistics {
public:
    BackgroundStatistics() = default;
    BackgroundStatistics(const BackgroundStatistics&) = delete;
    BackgroundStatistics& operator=(const BackgroundStatistics&) = delete;
    ~BackgroundStatistics() {
        if (statistics_.valid()) {
            statistics_.wait();
        }
    }

    void start(int row, std::string name, std::span<const float> series) {
        row_ = row;
        name_ = std::move(name);
        statistics_ = onSecondThread([values = std::vector<float>(series.begin(), series.end())] {
            return computeStatistics(values);
        });
    }

    // Stores the statistics still under way, if any.
    void finish(AppState& state) {
        if (statistics_.valid()) {
            storeStatistics(state, row_, name_, statistics_.get());
        }
    }

private:
    int row_ = 0;
    std::string name_;
    std::future<SeriesStatistics> statistics_;
};

// Element k of the series goes to SimulatedValues(row, k + 1, chemical). The first and the last
// element are bounds-checked; the ones between lie on the same stride and are written directly.
void storeValues(AppState& state, int row, std::span<const float> series) {
    if (series.empty()) {
        return;
    }
    BoundedArray<double, 3>& table = state.SimulatedValues;
    const std::int16_t chemical = state.MCCurrentChemical;
    double* const first = &table.at(row, 1, chemical);
    double* const last = &table.at(row, static_cast<std::int64_t>(series.size()), chemical);
    const std::ptrdiff_t stride =
        series.size() > 1 ? (last - first) / static_cast<std::ptrdiff_t>(series.size() - 1) : 0;
    for (std::size_t k = 0; k < series.size(); ++k) {
        first[static_cast<std::ptrdiff_t>(k) * stride] = series[k];
    }
}

// The row's statistics are stored before its values, as a failing summary leaves the values
// unstored; a series that cannot fail is summarised in the background while the next row is
// drawn.
void generateRow(AppState& state, Prompter& prompter, int row, MonteCarloGenerator generator,
                 BackgroundStatistics& background) {
    // A copy: the row must not change under the generation.
    const MonteCarloVariant variant = state.InputTGData.at(row, state.MCCurrentChemical);
    const std::int16_t distribution = distributionCode(variant.Distribution);
    if (distribution == 0) {
        // The checks refuse such a row before any generation; reaching here is a fault.
        prompter.show({"Error in generate Simulation", "Generate", MessageIcon::Critical});
        return;
    }
    GeneratorRequest request = requestFor(variant, state.MonteCarloCount, distribution);
    generator(&request, &state.GeneratedSeries.at(1));
    const std::span<const float> series = deliveredSeries(state, request.Count);
    background.finish(state);
    if (statisticsCannotFail(series)) {
        storeValues(state, row, series);
        background.start(row, variant.Name, series);
        return;
    }
    storeStatistics(state, row, variant.Name, computeStatistics(series));
    storeValues(state, row, series);
}

void generateRows(AppState& state, Prompter& prompter, MonteCarloGenerator generator) {
    BackgroundStatistics background;
    try {
        for (int row = 1; row <= state.MCInputRowCount; ++row) {
            if (state.InputTGData.at(row, state.MCCurrentChemical).InUse) {
                generateRow(state, prompter, row, generator, background);
            }
        }
    } catch (...) {
        background.finish(state);
        throw;
    }
    background.finish(state);
}

} // namespace

bool GenerateSimulation(AppState& state, Prompter& prompter, const ParameterList& parameters,
                        MonteCarloGenerator generator) {
    if (!ValidateVariants(state, prompter, parameters)) {
        return false;
    }
    const BusyPointer busy(prompter);
    prepareValueTables(state);
    generateRows(state, prompter, generator);
    state.SimulationGenerated = true;
    return true;
}

MonteCarloGenerator SamplingGenerators::forSampling(MonteCarloSampling sampling) const {
    const MonteCarloGenerator chosen =
        sampling == MonteCarloSampling::LatinHypercube ? latinHypercube : random;
    if (chosen == nullptr) {
        throw RunTimeError(ErrorCode::IllegalFunctionCall);
    }
    return chosen;
}

bool GenerateSimulation(AppState& state, Prompter& prompter, const ParameterList& parameters,
                        const SamplingGenerators& generators) {
    return GenerateSimulation(state, prompter, parameters, generators.forSampling(state.Sampling));
}

} // namespace torval
