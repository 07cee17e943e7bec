#include "SeriesGenerator.h"

#include "Distributions.h"
#include "Stratification.h"
#include "TruncatedSampler.h"
#include "UnitVariate.h"

#include <cstddef>

namespace torval::stogen {
namespace {

// The sampler clamps in double to bounds that are floats; rounding to nearest is monotonic,
// so the stored float cannot leave [Minimum, Maximum] either.
template <class Sample>
void fill(float* values, std::size_t count, std::mt19937_64& engine, const Sample& sample) {
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = static_cast<float>(sample(openUnitVariate(engine())));
    }
}

template <class Sample>
void fillStratified(float* values, std::size_t count, std::mt19937_64& engine,
                    const Sample& sample) {
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = static_cast<float>(sample(stratumVariate(i, count, engine())));
    }
    shuffle(values, count, engine);
}

// Uniform, triangle and loguniform have no distribution on a single point; every
// distribution restricted to one point gives that point.
template <class Fill>
void generateWith(const GeneratorRequest& request, float* values, std::mt19937_64& engine,
                  const Fill& fillValues) {
    const auto count = static_cast<std::size_t>(request.Count);
    const double minimum = request.Minimum;
    const double maximum = request.Maximum;
    if (minimum == maximum) {
        fillValues(values, count, engine, [minimum](double) { return minimum; });
        return;
    }
    std::visit(
        [&](const auto& distribution) {
            const TruncatedSampler sampler(distribution, minimum, maximum);
            fillValues(values, count, engine, sampler);
        },
        targetDistribution(request));
}

} // namespace

void generateSeries(const GeneratorRequest& request, float* values, std::mt19937_64& engine) {
    generateWith(request, values, engine,
                 [](float* slots, std::size_t count, std::mt19937_64& source, const auto& sample) {
                     fill(slots, count, source, sample);
                 });
}

void generateStratifiedSeries(const GeneratorRequest& request, float* values,
                              std::mt19937_64& engine) {
    generateWith(request, values, engine,
                 [](float* slots, std::size_t count, std::mt19937_64& source, const auto& sample) {
                     fillStratified(slots, count, source, sample);
                 });
}

} // namespace torval::stogen
