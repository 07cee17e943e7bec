#pragma once
// Fills the value slots of one checked request. Every value takes exactly one engine output,
// whatever the distribution and whatever the bounds, so the series of a call depends only on
// the seed and on how many values the earlier calls of the process delivered.

#include "stogen/GeneratorRequest.h"

#include <random>

namespace torval::stogen {

// `request` has passed checkRequest; `values` has room for request.Count floats.
void generateSeries(const GeneratorRequest& request, float* values, std::mt19937_64& engine);

} // namespace torval::stogen
