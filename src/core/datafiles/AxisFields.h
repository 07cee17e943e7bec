#pragma once
// The per-axis fields of a data set or of a chemical record (point count, range text,
// coordinates) reached by axis, for code that walks the axes of a layout (LayoutAxes).

#include "datafiles/DataLayout.h"

namespace torval {

template <typename Record>
auto& pointCountOf(Record& record, Axis axis) {
    switch (axis) {
    case Axis::X:
        return record.NumX;
    case Axis::Y:
        return record.NumY;
    case Axis::Z:
        return record.NumZ;
    case Axis::T:
        break;
    }
    return record.NumT;
}

template <typename Record>
auto& rangeTextOf(Record& record, Axis axis) {
    switch (axis) {
    case Axis::X:
        return record.XRange;
    case Axis::Y:
        return record.YRange;
    case Axis::Z:
        return record.ZRange;
    case Axis::T:
        break;
    }
    return record.TRange;
}

template <typename Record>
auto& axisValuesOf(Record& record, Axis axis) {
    switch (axis) {
    case Axis::X:
        return record.XValues;
    case Axis::Y:
        return record.YValues;
    case Axis::Z:
        return record.ZValues;
    case Axis::T:
        break;
    }
    return record.TValues;
}

} // namespace torval
