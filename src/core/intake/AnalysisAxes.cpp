#include "intake/AnalysisAxes.h"

#include "intake/AnalysisControls.h"

#include <algorithm>
#include <array>

namespace torval {

namespace {

constexpr std::size_t indexOf(Axis axis) noexcept {
    return static_cast<std::size_t>(axis);
}

constexpr std::array<std::int16_t, 7> IntervalLayouts = {3, 6, 7, 10, 11, 14, 17};

} // namespace

int coordinateRowOf(Axis axis) noexcept {
    return AnalysisRows::FirstCoordinate + static_cast<int>(indexOf(axis));
}

int intervalRowOf(Axis axis) noexcept {
    return AnalysisRows::FirstInterval + static_cast<int>(indexOf(axis));
}

std::string_view axisTitle(Axis axis) noexcept {
    constexpr std::array<std::string_view, 4> titles = {"X", "Y", "Z", "Time"};
    return titles[indexOf(axis)];
}

std::string_view axisName(Axis axis) noexcept {
    constexpr std::array<std::string_view, 4> names = {"X", "Y", "Z", "time"};
    return names[indexOf(axis)];
}

std::string& intervalTextOf(RiskInput& input, Axis axis) noexcept {
    const std::array<std::string*, 4> texts = {&input.XInterval, &input.YInterval, &input.ZInterval,
                                               &input.TInterval};
    return *texts[indexOf(axis)];
}

const std::string& intervalTextOf(const RiskInput& input, Axis axis) noexcept {
    return intervalTextOf(const_cast<RiskInput&>(input), axis);
}

bool layoutHasAxis(std::int16_t dataType, Axis axis) noexcept {
    const auto axes = LayoutAxes(dataType);
    return std::find(axes.begin(), axes.end(), axis) != axes.end();
}

bool takesIntervals(const ModelDataSet& data) noexcept {
    if (std::find(IntervalLayouts.begin(), IntervalLayouts.end(), data.DataType) ==
        IntervalLayouts.end()) {
        return false;
    }
    const auto axes = LayoutAxes(data.DataType);
    return std::any_of(axes.begin(), axes.end(),
                       [&data](Axis axis) { return pointCountOf(data, axis) >= 2; });
}

} // namespace torval
