#include "intake/AnalysisAxes.h"
#include "intake/AnalysisForm.h"
#include "intake/Pathways.h"
#include "shell/Text.h"

#include <cstddef>

namespace torval {

void AnalysisForm::SetPathwayRows() {
    std::int16_t& code = state_.riskInput.IntakeType;
    if (!isPathwayCode(code)) {
        code = 0;
    }
    for (int number = AnalysisRows::FirstParameter; number <= AnalysisRows::LastParameter;
         ++number) {
        rowAt(number).visible = false;
        rowAt(number).list.clear();
    }
    for (const ParameterInfo& parameter : pathwayInfo(code).parameters) {
        AnalysisRow& entry = rowAt(parameter.row);
        entry.visible = true;
        entry.caption = std::string(parameter.label);
        entry.unit = std::string(parameter.unit);
        entry.list.assign(parameter.suggestions.begin(), parameter.suggestions.end());
    }
}

void AnalysisForm::SetResultTitle(int code) {
    if (isPathwayCode(code)) {
        rowAt(AnalysisRows::Result).caption = std::string(pathwayInfo(code).resultTitle);
    }
}

void AnalysisForm::ReadInputFromWindow(RiskInput& input) const {
    for (const Axis axis : AllAxes) {
        const AnalysisRow& interval = row(intervalRowOf(axis));
        intervalTextOf(input, axis) = interval.visible ? trimBlanks(interval.text) : std::string();
    }
    input.ConcChoice = static_cast<std::int16_t>(controls_.concentrationOption);
    input.AverageConc = trimBlanks(row(AnalysisRows::AverageConcentration).text);
    input.MaximumConc = trimBlanks(row(AnalysisRows::MaximumConcentration).text);
    input.SpecifiedConc = trimBlanks(row(AnalysisRows::SpecifiedConcentration).text);
    input.Concentration = selectedConcentration(input);
    input.IntakeType = static_cast<std::int16_t>(controls_.pathwayOption);
    const PathwayInfo& pathway = pathwayInfo(input.IntakeType);
    PathwayParameters& parameters = parameterSet(input, input.IntakeType);
    parameters.resize(pathway.parameters.size());
    for (std::size_t index = 0; index < pathway.parameters.size(); ++index) {
        parameters[index] = trimBlanks(row(pathway.parameters[index].row).text);
    }
}

// Filling the window shows the stored choices; it is not the user clicking the options, so
// neither the Monte Carlo tables nor AnalysisState are touched here.
void AnalysisForm::WriteInputToWindow(const RiskInput& input) {
    showConcentrationOption(input.ConcChoice);
    rowAt(AnalysisRows::AverageConcentration).text = input.AverageConc;
    rowAt(AnalysisRows::MaximumConcentration).text = input.MaximumConc;
    rowAt(AnalysisRows::SpecifiedConcentration).text = input.SpecifiedConc;
    const bool knownPathway = isPathwayCode(input.IntakeType);
    showPathwayOption(knownPathway ? input.IntakeType : 0);
    if (!knownPathway) {
        return;
    }
    const PathwayInfo& pathway = pathwayInfo(input.IntakeType);
    const PathwayParameters& parameters = parameterSet(input, input.IntakeType);
    for (std::size_t index = 0; index < pathway.parameters.size(); ++index) {
        rowAt(pathway.parameters[index].row).text =
            index < parameters.size() ? trimBlanks(parameters[index]) : std::string();
    }
}

void AnalysisForm::showConcentrationOption(int option) {
    const int shown = option == 0 || option == 1 ? option : 2;
    controls_.concentrationOption = shown;
    for (std::size_t index = 0; index < controls_.concentrationPictures.size(); ++index) {
        controls_.concentrationPictures[index] =
            static_cast<int>(index) == shown ? OptionPicture::Checked : OptionPicture::Unchecked;
    }
}

void AnalysisForm::showPathwayOption(int code) {
    controls_.pathwayOption = code;
    state_.riskInput.IntakeType = static_cast<std::int16_t>(code);
    SetResultTitle(code);
    SetPathwayRows();
}

} // namespace torval
