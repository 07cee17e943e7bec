#pragma once
// The nine exposure pathways as data: for each pathway code, its captions, the name of its
// parameter set and, for every parameter in set order, the label, unit, suggested values and
// the window row it occupies. The analysis window (row visibility, labels, lists), the risk
// data file and the results report all read this one table, so a pathway is described once.
//
// Texts are UTF-8: the superscript two and three of units are "\u00B2" and "\u00B3".

#include <span>
#include <string_view>

namespace torval {

inline constexpr int PathwayCount = 9;

// The analysis window's parameter rows are 13..19; a pathway with five parameters uses
// 14..18, one with six 14..19, one with seven all of them.
inline constexpr int FirstParameterRow = 13;
inline constexpr int LastParameterRow = 19;

struct ParameterInfo {
    std::string_view symbol;
    std::string_view label;
    std::string_view unit; // "" when the unit label is cleared
    std::span<const std::string_view> suggestions;
    int row;
};

struct PathwayInfo {
    int code;
    std::string_view caption;     // the pathway's option button
    std::string_view resultTitle; // beside the intake result, with its leading blanks
    std::string_view setName;     // the RiskInput member holding the parameters
    std::span<const ParameterInfo> parameters;

    int firstRow() const { return parameters.front().row; }
    int lastRow() const { return parameters.back().row; }
};

bool isPathwayCode(int code) noexcept;

// Raises 9 for a code outside 0..8.
const PathwayInfo& pathwayInfo(int code);

} // namespace torval
