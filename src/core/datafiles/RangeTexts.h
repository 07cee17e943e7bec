#pragma once
// Range texts ("from:to:step", with an optional fourth number, the constant) describe an axis
// of a transport-model file; interval texts ("from:to") are what the user types over an axis.
// The file readers build axis coordinates from ranges; the analysis window parses both when
// the user enters intervals, and the grid means parse intervals to pick their cells.
//
// Every number is the leading number of its field, so a malformed field reads as 0 rather than
// failing, as the files and the window have always been read.

#include <cstdint>
#include <string_view>

namespace torval {

struct RangeText {
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
    double value = 0.0; // the fourth number when there is one, else `to`
    std::int16_t count = 1;

    bool operator==(const RangeText&) const = default;
};

struct IntervalText {
    double from = 0.0;
    double to = 0.0;

    bool operator==(const IntervalText&) const = default;
};

// A text without ":" is a single point (from = to = value, step 0, count 1). Otherwise the
// count is (to - from) / step + 1 rounded to nearest with halves to even, or 1 for a step of 0.
// Raises 5 for exactly one ":" (a range without its "to" field) and 6 for a count beyond 16
// bits.
RangeText ParseRangeText(std::string_view text);

// "from:to"; a text without ":" is the single point from = to.
IntervalText ParseIntervalText(std::string_view text);

} // namespace torval
