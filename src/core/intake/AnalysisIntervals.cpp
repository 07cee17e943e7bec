#include "concentration/GridMean.h"
#include "datafiles/RangeTexts.h"
#include "intake/AnalysisAxes.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisMessages.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace torval {

namespace {

struct AxisRange {
    double lowest;
    double highest;
};

std::optional<AxisRange> rangeOf(const ModelDataSet& data, Axis axis) {
    const std::int16_t count = pointCountOf(data, axis);
    if (count < 1) {
        return std::nullopt;
    }
    const BoundedArray<double, 1>& coordinates = axisValuesOf(data, axis);
    AxisRange range{coordinates.at(1), coordinates.at(1)};
    for (std::int16_t index = 2; index <= count; ++index) {
        range.lowest = std::min(range.lowest, coordinates.at(index));
        range.highest = std::max(range.highest, coordinates.at(index));
    }
    return range;
}

// The coordinates nearest to an interval that holds none: the largest below it and the
// smallest above it.
AxisRange nearestAround(const ModelDataSet& data, Axis axis, const IntervalText& interval,
                        const AxisRange& range) {
    const double from = std::min(interval.from, interval.to);
    const double to = std::max(interval.from, interval.to);
    AxisRange nearest{range.lowest, range.highest};
    const BoundedArray<double, 1>& coordinates = axisValuesOf(data, axis);
    for (std::int16_t index = 1; index <= pointCountOf(data, axis); ++index) {
        const double coordinate = coordinates.at(index);
        if (coordinate < from) {
            nearest.lowest = std::max(nearest.lowest, coordinate);
        } else if (coordinate > to) {
            nearest.highest = std::min(nearest.highest, coordinate);
        }
    }
    return nearest;
}

} // namespace

// "Holds a text" counts blanks: an entry of blanks is caught by the empty-interval message.
bool AnalysisForm::everyVisibleIntervalHoldsText() const {
    for (int number = AnalysisRows::FirstInterval; number <= AnalysisRows::LastInterval; ++number) {
        if (row(number).visible && row(number).text.empty()) {
            return false;
        }
    }
    return true;
}

// Checks the intervals and shows the average over them; the entry that must be corrected, if
// any, is where the focus goes.
std::optional<int> AnalysisForm::refreshAverage() {
    try {
        if (const std::optional<int> wrong = checkIntervals()) {
            // No average belongs to intervals that were refused: the previous one would be
            // taken for theirs.
            rowAt(AnalysisRows::AverageConcentration).text.clear();
            return wrong;
        }
        if (const std::optional<double> average = intervalAverage()) {
            state_.modelData.AverageConcentration = *average;
            rowAt(AnalysisRows::AverageConcentration).text = FormatNumber(generalText(*average));
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
    return std::nullopt;
}

std::optional<int> AnalysisForm::checkIntervals() {
    for (int number = AnalysisRows::FirstInterval; number <= AnalysisRows::LastInterval; ++number) {
        if (row(number).visible && trimBlanksView(row(number).text).empty()) {
            prompter_.show(emptyIntervalMessage());
            return number;
        }
    }
    for (const Axis axis : AllAxes) {
        if (row(intervalRowOf(axis)).visible) {
            if (const std::optional<int> wrong = checkIntervalRange(axis)) {
                return wrong;
            }
        }
    }
    return std::nullopt;
}

std::optional<int> AnalysisForm::refusedInterval() {
    if (controls_.concentrationOption != 0 || !everyVisibleIntervalHoldsText()) {
        return std::nullopt;
    }
    for (const Axis axis : AllAxes) {
        if (row(intervalRowOf(axis)).visible) {
            if (const std::optional<int> wrong = checkIntervalRange(axis)) {
                rowAt(AnalysisRows::AverageConcentration).text.clear();
                return wrong;
            }
        }
    }
    return std::nullopt;
}

// The ends of the axis are inside, within the averaging's tolerance (an axis built by repeated
// addition may end a rounding error short of the range text): only a min below the smallest or
// a max above the largest coordinate is refused, and then an interval holding no grid point.
std::optional<int> AnalysisForm::checkIntervalRange(Axis axis) {
    const ModelDataSet& data = state_.modelData;
    const std::optional<AxisRange> range = rangeOf(data, axis);
    if (!range) {
        return std::nullopt;
    }
    const int number = intervalRowOf(axis);
    const AxisInterval on{row(number).text, axisValuesOf(data, axis)};
    const double tolerance = CoordinateTolerance(on.coordinates, pointCountOf(data, axis));
    const IntervalText interval = ParseIntervalText(on.text);
    if (interval.from < range->lowest - tolerance || interval.to > range->highest + tolerance) {
        prompter_.show(intervalOutsideDataMessage(axis));
        return number;
    }
    if (GridPointsInside(on, pointCountOf(data, axis)).empty()) {
        const AxisRange nearest = nearestAround(data, axis, interval, *range);
        prompter_.show(intervalWithoutGridPointMessage(axis, nearest.lowest, nearest.highest));
        return number;
    }
    return std::nullopt;
}

// The mean that serves the layout, over the intervals shown; nullopt for the layouts that have
// no average of their own (Monte Carlo values, axes without intervals, nothing loaded).
std::optional<double> AnalysisForm::intervalAverage() const {
    const ModelDataSet& data = state_.modelData;
    std::array<std::string, 4> texts;
    for (const Axis axis : AllAxes) {
        const AnalysisRow& interval = row(intervalRowOf(axis));
        texts[static_cast<std::size_t>(axis)] =
            interval.visible ? trimBlanks(interval.text) : std::string();
    }
    const auto on = [&](Axis axis) {
        return AxisInterval{texts[static_cast<std::size_t>(axis)], axisValuesOf(data, axis)};
    };
    const ConcentrationGrid& grid = data.ConcentrationGrid;
    switch (data.DataType) {
    case 1:
    case 2:
        return leadingNumber(data.ModelResult);
    case 3:
        return GridMean1D(on(Axis::X), grid);
    case 6:
        return GridMean1D(on(Axis::T), grid);
    case 7:
        return GridMean2D(on(Axis::X), on(Axis::Y), grid);
    case 11:
        return GridMean2D(on(Axis::X), on(Axis::T), grid);
    case 10:
        return GridMean3D(data.ModelName, on(Axis::X), on(Axis::Y), on(Axis::Z), grid);
    case 14:
        return GridMean3D(data.ModelName, on(Axis::X), on(Axis::Y), on(Axis::T), grid);
    case 17:
        return GridMean4D(on(Axis::X), on(Axis::Y), on(Axis::Z), on(Axis::T), grid);
    default:
        return std::nullopt;
    }
}

} // namespace torval
