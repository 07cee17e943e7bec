#include "SeriesGenerator.h"

#include "Distributions.h"
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

} // namespace

void generateSeries(const GeneratorRequest& request, float* values, std::mt19937_64& engine) {
    const auto count = static_cast<std::size_t>(request.Count);
    const double minimum = request.Minimum;
    const double maximum = request.Maximum;
    // Uniform, triangle and loguniform have no distribution on a single point; every
    // distribution restricted to one point gives that point.
    if (minimum == maximum) {
        fill(values, count, engine, [minimum](double) { return minimum; });
        return;
    }
    std::visit(
        [&](const auto& distribution) {
            const TruncatedSampler sampler(distribution, minimum, maximum);
            fill(values, count, engine, sampler);
        },
        targetDistribution(request));
}

} // namespace torval::stogen
