#pragma once
// Fills the value slots of one checked request. Random sampling takes exactly one engine
// output per value, whatever the distribution and whatever the bounds, so its series depends
// only on the seed and on how many values the earlier calls of the process delivered.

#include "stogen/GeneratorRequest.h"

#include <random>

namespace torval::stogen {

// `request` has passed checkRequest; `values` has room for request.Count floats.
void generateSeries(const GeneratorRequest& request, float* values, std::mt19937_64& engine);

// The Latin hypercube series of the same request: value k comes from the k-th of Count
// equal-probability strata of the truncated distribution, then the values are shuffled.
void generateStratifiedSeries(const GeneratorRequest& request, float* values,
                              std::mt19937_64& engine);

} // namespace torval::stogen
