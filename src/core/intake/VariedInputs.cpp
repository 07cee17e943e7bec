#include "intake/VariedInputs.h"

#include "intake/Pathways.h"
#include "intake/ResolvedEvaluation.h"
#include "shell/Text.h"

#include <algorithm>
#include <limits>

namespace torval {

namespace {

std::string concentrationLabel(std::int16_t choice) {
    switch (choice) {
    case 0:
        return "Average Concentration";
    case 1:
        return "Maximum Concentration";
    default:
        return "Specified Concentration";
    }
}

// The parameter's row label without its blanks and colon: "Ingestion Rate (Ri)".
std::string parameterLabel(std::int16_t pathway, std::size_t position) {
    const auto& parameters = pathwayInfo(pathway).parameters;
    if (position >= parameters.size()) {
        return "Parameter " + std::to_string(position + 1);
    }
    std::string label = trimBlanks(parameters[position].label);
    if (label.ends_with(':')) {
        label.pop_back();
    }
    return trimBlanks(label);
}

double valueOf(const EvaluationNumber& number) {
    return number.failure == 0 ? number.value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

std::vector<VariedInput> VariedInputValues(const AppState& state) {
    const RiskInput& input = state.riskInput;
    const EvaluationPlan plan(state, input);
    const std::vector<EvaluationPlan::VariedField> fields = plan.variedFields();
    std::vector<VariedInput> inputs;
    for (const EvaluationPlan::VariedField& field : fields) {
        inputs.push_back({field.concentration ? concentrationLabel(input.ConcChoice)
                                              : parameterLabel(input.IntakeType, field.position),
                          {}});
        inputs.back().values.reserve(static_cast<std::size_t>(std::max(state.ResultCount - 1, 0)));
    }
    if (inputs.empty()) {
        return inputs;
    }
    // The run's evaluation numbers are 16-bit; a count beyond them never ran to its end.
    ResolvedEvaluation work;
    for (std::int32_t i = 1; i < state.ResultCount && i <= 32767; ++i) {
        try {
            plan.resolve(static_cast<std::int16_t>(i), work);
        } catch (const RunTimeError&) {
            // As in the run: the fields not reached keep what the previous evaluation left.
        }
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const EvaluationNumber& number = fields[f].concentration
                                                 ? work.Concentration
                                                 : work.Parameters.at(fields[f].position);
            inputs[f].values.push_back(valueOf(number));
        }
    }
    return inputs;
}

std::vector<double> CalculatedIntakes(const AppState& state) {
    std::vector<double> intakes;
    for (std::int32_t i = 1; i < state.ResultCount; ++i) {
        intakes.push_back(state.IntakeResults.at(i));
    }
    return intakes;
}

bool calculationShown(const AppState& state) {
    const bool calculated =
        state.AnalysisState == Analysis::Calculated || state.AnalysisState == Analysis::Saved;
    return calculated && !state.ResultsOutdated && state.ResultCount >= 2;
}

} // namespace torval
