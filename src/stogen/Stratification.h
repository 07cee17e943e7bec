#pragma once
// The two steps Latin hypercube sampling adds to random sampling: a unit variate confined to
// one of n equal strata of (0, 1), and a shuffle of the n values. Both take their randomness
// from raw engine outputs through code of our own, never through the standard library's
// distributions or std::shuffle, whose algorithms differ between standard libraries.

#include "UnitVariate.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>

namespace torval::stogen {

// A probability strictly inside stratum (stratum / count, (stratum + 1) / count), and strictly
// between 0 and 1 even where the division rounds onto an edge.
inline double stratumVariate(std::size_t stratum, std::size_t count, std::uint64_t engineOutput) {
    const double unit =
        (static_cast<double>(stratum) + openUnitVariate(engineOutput)) / static_cast<double>(count);
    if (unit <= 0.0) {
        return 0x1.0p-53;
    }
    return unit < 1.0 ? unit : std::nextafter(1.0, 0.0);
}

// An integer uniform on 0..bound-1 (bound >= 1): the engine outputs above the largest multiple
// of bound are drawn again, so no remainder is favoured.
inline std::uint64_t uniformBelow(std::uint64_t bound, std::mt19937_64& engine) {
    const std::uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % bound;
    std::uint64_t draw = engine();
    while (draw >= limit) {
        draw = engine();
    }
    return draw % bound;
}

// Fisher-Yates: every order of the count values is equally likely.
inline void shuffle(float* values, std::size_t count, std::mt19937_64& engine) {
    for (std::size_t i = count; i > 1; --i) {
        const auto j = static_cast<std::size_t>(uniformBelow(i, engine));
        std::swap(values[i - 1], values[j]);
    }
}

} // namespace torval::stogen
