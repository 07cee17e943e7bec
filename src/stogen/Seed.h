#pragma once
// The library's one random engine. It is seeded once per process, at the first monteCarlo call:
// from TORVAL_SEED when that is set (a reproducible run), otherwise from the system's entropy.
// Later calls continue the same stream, so the variants of one generation get different series
// while a whole seeded run repeats exactly. A mutex guards the engine because the library
// cannot know whether its callers share threads.

#include "stogen/GeneratorRequest.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string_view>

namespace torval::stogen {

// A TORVAL_SEED text: a decimal number 0..2^64-1, blanks around it allowed. Anything else,
// a sign included, is no seed.
std::optional<std::uint64_t> parseSeed(std::string_view text);

// Seeds the engine if no seed is set yet and hands it to `draw`. Returns GeneratorBadSeed,
// without calling `draw` and leaving the engine unseeded, when TORVAL_SEED is set but is no
// seed: a run asked to be reproducible must not quietly become a random one.
GeneratorStatus withSeededEngine(const std::function<void(std::mt19937_64&)>& draw);

} // namespace torval::stogen
