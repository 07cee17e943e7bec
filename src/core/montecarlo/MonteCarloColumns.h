#pragma once
// The columns of the Monte Carlo window's two grids: which field of a table row each column
// shows, its caption and the tip shown while the pointer rests on one of its cells, and the
// distributions the input grid's drop-down offers. The form model and the Qt window both read
// them from here, so a column can never show one field and be edited as another.

#include "montecarlo/MonteCarloTables.h"

#include <array>
#include <string>
#include <string_view>

namespace torval {

namespace InputColumn {
inline constexpr int Name = 0;
inline constexpr int Mean = 1;
inline constexpr int Minimum = 2;
inline constexpr int Maximum = 3;
inline constexpr int Variance = 4;
inline constexpr int Terms = 5;
inline constexpr int Distribution = 6;
inline constexpr int Count = 7;

// The columns that take numbers.
inline constexpr bool isNumber(int column) noexcept {
    return column >= Mean && column <= Terms;
}
} // namespace InputColumn

namespace ResultColumn {
inline constexpr int Variant = 0;
inline constexpr int ArithmeticMean = 1;
inline constexpr int GeometricMean = 2;
inline constexpr int Median = 3;
inline constexpr int Minimum = 4;
inline constexpr int Maximum = 5;
inline constexpr int StandardDeviation = 6;
inline constexpr int Count = 7;
} // namespace ResultColumn

inline constexpr std::array<std::string_view, InputColumn::Count> InputColumnCaptions{
    "Parameter", "Mean", "Minimum", "Maximum", "Variance", "Terms", "Distribution"};

inline constexpr std::array<std::string_view, InputColumn::Count> InputColumnTips{
    "Select a parameter",
    "Input/modify the mean",
    "Input/modify the minimum value",
    "Input/modify the maximum value",
    "Input/modify the variance",
    "Input/modify the number of terms",
    "Select a distribution"};

// A caption names the statistic its column selects: lower-cased, it is the marker word the
// analysis reads. The odd spelling of the mean is that marker word.
inline constexpr std::array<std::string_view, ResultColumn::Count> ResultColumnCaptions{
    "Variant", "Arithematic Mean", "Geometric Mean",    "Median",
    "Minimum", "Maximum",          "Standard Deviation"};

// The standard deviation cannot be selected, so its column has no tip.
inline constexpr std::array<std::string_view, ResultColumn::Count> ResultColumnTips{
    "Select/unselect the Variant by double clicking mouse.",
    "Select/unselect the Arithimetic mean by double clicking mouse.",
    "Select/unselect the Geometric mean by double clicking mouse.",
    "Select/unselect the Median by double clicking mouse.",
    "Select/unselect the Minimum by double clicking mouse.",
    "Select/unselect the Maximum by double clicking mouse.",
    ""};

// The drop-down of the Distribution column, in the order it lists them.
inline constexpr std::array<std::string_view, 7> DistributionChoices{
    "Normal", "Lognormal", "Exponential", "Uniform", "Gumbel", "Triangle", "Loguniform"};

// Raises 9 for a column outside 0..6.
std::string_view resultCaption(int column);

// The field a column shows; raise 9 for a column outside 0..6.
std::string& inputField(MonteCarloVariant& row, int column);
const std::string& inputField(const MonteCarloVariant& row, int column);
std::string& resultField(MonteCarloResult& row, int column);
const std::string& resultField(const MonteCarloResult& row, int column);

} // namespace torval
