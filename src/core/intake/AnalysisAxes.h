#pragma once
// The four axes of a data set as the analysis window sees them: for each axis its coordinate
// row and interval row, how the messages name it and the interval text of RiskInput, so that
// the display, the stacking of the rows and the interval checks all go by one table. The data
// set's own fields of an axis come from AxisFields.h.

#include "datafiles/AxisFields.h"
#include "datafiles/DataLayout.h"
#include "datafiles/ModelDataSet.h"
#include "intake/RiskInput.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace torval {

inline constexpr Axis AllAxes[] = {Axis::X, Axis::Y, Axis::Z, Axis::T};

int coordinateRowOf(Axis axis) noexcept;
int intervalRowOf(Axis axis) noexcept;

// How the interval messages name the axis: "X", "Y", "Z" and "Time" at the start of a
// sentence, "X", "Y", "Z" and "time" inside one.
std::string_view axisTitle(Axis axis) noexcept;
std::string_view axisName(Axis axis) noexcept;

std::string& intervalTextOf(RiskInput& input, Axis axis) noexcept;
const std::string& intervalTextOf(const RiskInput& input, Axis axis) noexcept;

bool layoutHasAxis(std::int16_t dataType, Axis axis) noexcept;

// Only the layouts X, T, X-Y, X-Y-Z, X-T, X-Y-T and X-Y-Z-T take intervals from the user, and
// only when one of their axes has two points or more: a single point leaves nothing to choose.
bool takesIntervals(const ModelDataSet& data) noexcept;

} // namespace torval
