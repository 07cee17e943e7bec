#include "intake/ResolvedEvaluation.h"

#include "intake/GeneralTextValue.h"
#include "intake/MonteCarloReference.h"
#include "intake/Pathways.h"
#include "shell/NumberText.h"
#include "shell/SecondThread.h"

#include <algorithm>
#include <future>
#include <limits>
#include <string>

namespace torval {

namespace {

template <typename Conversion>
EvaluationNumber convertedBy(Conversion&& conversion) {
    try {
        return {conversion(), 0};
    } catch (const RunTimeError& failure) {
        return {0.0, failure.code()};
    }
}

template <typename Table>
bool within(const Table& table, std::size_t dimension, std::int64_t index) {
    return index >= table.lower(dimension) && index <= table.upper(dimension);
}

// Columns this long are rounded in two halves, the upper one on a second thread; a shorter one
// would cost more to hand over than it saves.
constexpr std::size_t ColumnLengthWorthSplitting = 4096;

template <typename Read>
void roundInto(std::vector<EvaluationNumber>& numbers, std::int64_t first, std::size_t begin,
               std::size_t end, const Read& read) {
    for (std::size_t k = begin; k < end; ++k) {
        numbers[k] = EvaluationNumber::ofGenerated(read(first + static_cast<std::int64_t>(k)));
    }
}

// The evaluation numbers are 16-bit and start at 1.
template <typename Column, typename Read>
void fillColumn(Column& column, std::int64_t lower, std::int64_t upper, Read&& read) {
    column.first = std::max<std::int64_t>(lower, 1);
    const std::int64_t last =
        std::min<std::int64_t>(upper, std::numeric_limits<std::int16_t>::max());
    if (last < column.first) {
        return;
    }
    const auto count = static_cast<std::size_t>(last - column.first + 1);
    column.numbers.resize(count);
    if (count < ColumnLengthWorthSplitting) {
        roundInto(column.numbers, column.first, 0, count, read);
        return;
    }
    const std::size_t half = count / 2;
    std::future<void> upperHalf = onSecondThread([&column, half, count, &read] {
        roundInto(column.numbers, column.first, half, count, read);
    });
    try {
        roundInto(column.numbers, column.first, 0, half, read);
    } catch (...) {
        upperHalf.wait(); // the other half writes into the column: it must end first
        throw;
    }
    upperHalf.get();
}

} // namespace

EvaluationNumber EvaluationNumber::ofText(std::string_view text) {
    return convertedBy([text] { return toDouble(text); });
}

EvaluationNumber EvaluationNumber::ofGenerated(double generated) {
    return convertedBy([generated] { return generalTextValue(generated); });
}

EvaluationPlan::EvaluationPlan(const AppState& state, const RiskInput& source)
    : state_(state), intakeType_(source.IntakeType) {
    if (concentrationChosen(source)) {
        concentrationSelected_ = true;
        concentration_ = textOrVariant(selectedConcentration(source));
        // A data file with its own Monte Carlo values supplies every realisation's
        // concentration, whatever variant the reference names.
        if (concentration_.source == Source::Variant && state.modelData.DataType == 0) {
            concentration_ = Field();
            concentration_.source = Source::FileValue;
        }
    }
    pathwayKnown_ = isPathwayCode(source.IntakeType);
    if (pathwayKnown_) {
        pathwaySize_ = pathwayInfo(source.IntakeType).parameters.size();
        for (const std::string& text : parameterSet(source, source.IntakeType)) {
            parameters_.push_back(textOrVariant(text));
        }
    }
    attachColumn(concentration_);
    for (Field& parameter : parameters_) {
        attachColumn(parameter);
    }
}

// Fields that name the same variant share one column.
void EvaluationPlan::attachColumn(Field& field) {
    if (field.source == Source::Text || field.variantFailure != 0) {
        return;
    }
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].source == field.source && columns_[c].variant == field.variant) {
            field.column = static_cast<int>(c);
            return;
        }
    }
    RoundedColumn column = roundedColumn(field);
    if (!column.numbers.empty()) {
        field.column = static_cast<int>(columns_.size());
        columns_.push_back(std::move(column));
    }
}

// Every evaluation number that reads inside the field's table; an evaluation outside it is
// left to generated(), which raises what the table raises.
EvaluationPlan::RoundedColumn EvaluationPlan::roundedColumn(const Field& field) const {
    RoundedColumn column{field.source, field.variant, 0, {}};
    if (field.source == Source::FileValue) {
        const BoundedArray<double, 1>& values = state_.modelData.McIterationValues;
        if (values.isAllocated()) {
            fillColumn(column, values.lower(), values.upper(),
                       [&values](std::int64_t i) { return values.at(i); });
        }
        return column;
    }
    const BoundedArray<double, 3>& values = state_.SavedSimulatedValues;
    if (values.isAllocated() && within(values, 1, field.variant) && within(values, 3, 1)) {
        fillColumn(column, values.lower(2), values.upper(2),
                   [&values, &field](std::int64_t i) { return values.at(field.variant, i, 1); });
    }
    return column;
}

EvaluationPlan::Field EvaluationPlan::textOrVariant(std::string_view text) {
    Field field;
    if (!isMonteCarloReference(text)) {
        field.text = EvaluationNumber::ofText(text);
        return field;
    }
    field.source = Source::Variant;
    try {
        field.variant = variantNumberOf(text);
    } catch (const RunTimeError& failure) {
        field.variantFailure = failure.code();
    }
    return field;
}

void EvaluationPlan::resolve(std::int16_t evaluation, ResolvedEvaluation& work) const {
    work.IntakeType = intakeType_;
    if (concentrationSelected_) {
        resolveInto(concentration_, evaluation, work.Concentration);
    }
    if (!pathwayKnown_) {
        return;
    }
    // Like the text working copy, whose sets start at the pathway's size: a shorter source set
    // leaves the missing parameters empty, not absent.
    const std::size_t size = std::max(parameters_.size(), pathwaySize_);
    if (work.Parameters.size() < size) {
        work.Parameters.resize(size);
    }
    for (std::size_t position = 0; position < parameters_.size(); ++position) {
        resolveInto(parameters_[position], evaluation, work.Parameters[position]);
    }
}

std::vector<EvaluationPlan::VariedField> EvaluationPlan::variedFields() const {
    std::vector<VariedField> varied;
    if (concentrationSelected_ && concentration_.source != Source::Text) {
        varied.push_back({true, 0});
    }
    for (std::size_t position = 0; position < parameters_.size(); ++position) {
        if (parameters_[position].source != Source::Text) {
            varied.push_back({false, position});
        }
    }
    return varied;
}

void EvaluationPlan::resolveInto(const Field& field, std::int16_t evaluation,
                                 EvaluationNumber& target) const {
    if (field.source == Source::Text) {
        target = field.text;
        return;
    }
    if (field.column >= 0) {
        const RoundedColumn& column = columns_[static_cast<std::size_t>(field.column)];
        const std::int64_t offset = evaluation - column.first;
        if (offset >= 0 && offset < static_cast<std::int64_t>(column.numbers.size())) {
            target = column.numbers[static_cast<std::size_t>(offset)];
            return;
        }
    }
    target = EvaluationNumber::ofGenerated(generated(field, evaluation));
}

double EvaluationPlan::generated(const Field& field, std::int16_t evaluation) const {
    if (field.source == Source::FileValue) {
        return state_.modelData.McIterationValues.at(evaluation);
    }
    if (field.variantFailure != 0) {
        throw RunTimeError(field.variantFailure);
    }
    return state_.SavedSimulatedValues.at(field.variant, evaluation, 1);
}

} // namespace torval
