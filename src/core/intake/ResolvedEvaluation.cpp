#include "intake/ResolvedEvaluation.h"

#include "intake/GeneralTextValue.h"
#include "intake/MonteCarloReference.h"
#include "intake/Pathways.h"
#include "shell/NumberText.h"

#include <algorithm>
#include <string>

namespace torval {

namespace {

const std::string* selectedConcentration(const RiskInput& source) {
    switch (source.ConcChoice) {
    case 0:
        return &source.AverageConc;
    case 1:
        return &source.MaximumConc;
    case 2:
        return &source.SpecifiedConc;
    default:
        return nullptr;
    }
}

template <typename Conversion>
EvaluationNumber convertedBy(Conversion&& conversion) {
    try {
        return {conversion(), 0};
    } catch (const RunTimeError& failure) {
        return {0.0, failure.code()};
    }
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
    if (const std::string* text = selectedConcentration(source)) {
        concentrationSelected_ = true;
        concentration_ = textOrVariant(*text);
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

void EvaluationPlan::resolveInto(const Field& field, std::int16_t evaluation,
                                 EvaluationNumber& target) const {
    target = field.source == Source::Text
                 ? field.text
                 : EvaluationNumber::ofGenerated(generated(field, evaluation));
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
