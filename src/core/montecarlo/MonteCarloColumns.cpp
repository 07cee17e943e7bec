#include "montecarlo/MonteCarloColumns.h"

#include "shell/RunTimeError.h"

namespace torval {

namespace {

using VariantField = std::string MonteCarloVariant::*;
using ResultField = std::string MonteCarloResult::*;

constexpr std::array<VariantField, InputColumn::Count> InputFields{
    &MonteCarloVariant::Name,        &MonteCarloVariant::Mean,     &MonteCarloVariant::Minimum,
    &MonteCarloVariant::Maximum,     &MonteCarloVariant::Variance, &MonteCarloVariant::Terms,
    &MonteCarloVariant::Distribution};

constexpr std::array<ResultField, ResultColumn::Count> ResultFields{
    &MonteCarloResult::Variant,          &MonteCarloResult::ArithmeticMean,
    &MonteCarloResult::GeometricMean,    &MonteCarloResult::Median,
    &MonteCarloResult::Minimum,          &MonteCarloResult::Maximum,
    &MonteCarloResult::StandardDeviation};

template <typename Fields>
auto fieldOf(const Fields& fields, int column) {
    if (column < 0 || column >= static_cast<int>(fields.size())) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return fields[static_cast<std::size_t>(column)];
}

} // namespace

std::string_view resultCaption(int column) {
    return fieldOf(ResultColumnCaptions, column);
}

std::string& inputField(MonteCarloVariant& row, int column) {
    return row.*fieldOf(InputFields, column);
}

const std::string& inputField(const MonteCarloVariant& row, int column) {
    return row.*fieldOf(InputFields, column);
}

std::string& resultField(MonteCarloResult& row, int column) {
    return row.*fieldOf(ResultFields, column);
}

const std::string& resultField(const MonteCarloResult& row, int column) {
    return row.*fieldOf(ResultFields, column);
}

} // namespace torval
