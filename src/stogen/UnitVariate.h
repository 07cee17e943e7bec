#pragma once
// Turns one engine output into a probability strictly between 0 and 1. The standard library's
// real distributions are left alone on purpose: their algorithms differ between standard
// libraries, and a seeded run must give the same series on every platform.

#include <cstdint>

namespace torval::stogen {

// The top 52 bits, centred in their cell: every result is an exact double in
// [2^-53, 1 - 2^-53], so neither 0 nor 1 (where most quantiles are infinite) can come out.
inline double openUnitVariate(std::uint64_t engineOutput) {
    return (static_cast<double>(engineOutput >> 12) + 0.5) * 0x1.0p-52;
}

} // namespace torval::stogen
