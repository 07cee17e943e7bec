#pragma once
// Which axes a layout code (DataType) carries, in the order they index a grid. Everything that
// walks a grid by its axes (normalisation, averaging, the risk data file, the analysis window's
// interval rows) asks here rather than keeping its own table.

#include <cstdint>
#include <span>

namespace torval {

enum class Axis { X, Y, Z, T };

// The axes of layouts 3 to 17, always in the order X, Y, Z, T; empty for every other code
// (nothing loaded, Monte Carlo values, single values). Layout 10 is X-Y-Z here: an air grid's
// extra time index belongs to the air data, not to the layout.
std::span<const Axis> LayoutAxes(std::int16_t dataType) noexcept;

} // namespace torval
