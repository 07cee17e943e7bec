#include "montecarlo/RiskForm.h"

#include "intake/VariedInputs.h"
#include "montecarlo/RiskFigures.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <charconv>
#include <utility>

namespace torval {

namespace {

// Empty text is a value not given; anything else must be a positive number.
std::optional<double> factorOf(const std::string& text, bool& refused) {
    const std::string trimmed = trimBlanks(text);
    const std::optional<double> value = positiveRiskFactor(trimmed);
    refused = !trimmed.empty() && !value;
    return value;
}

std::string textOf(const std::optional<double>& value) {
    return value ? generalText(*value) : std::string();
}

std::string figureText(const std::optional<RiskDistribution>& figure,
                       double RiskDistribution::*member) {
    return figure ? RiskForm::figureText((*figure).*member) : std::string();
}

std::vector<RiskRow> rowsOf(const RiskFigures& figures, bool monteCarlo) {
    const auto& risk = figures.cancerRisk;
    const auto& quotient = figures.hazardQuotient;
    if (!monteCarlo) {
        return {{"Value", figureText(risk, &RiskDistribution::mean),
                 figureText(quotient, &RiskDistribution::mean)}};
    }
    std::vector<RiskRow> rows;
    const std::pair<const char*, double RiskDistribution::*> statistics[] = {
        {"P5", &RiskDistribution::p5},
        {"Median", &RiskDistribution::median},
        {"Mean", &RiskDistribution::mean},
        {"P95", &RiskDistribution::p95}};
    for (const auto& [label, member] : statistics) {
        rows.push_back({label, figureText(risk, member), figureText(quotient, member)});
    }
    const auto fraction = &RiskDistribution::fractionAboveLimit;
    if (risk) {
        rows.push_back(
            {"Fraction above risk " + generalText(RiskLimit), figureText(risk, fraction), ""});
    }
    if (quotient) {
        rows.push_back({"Fraction above HQ " + generalText(HazardQuotientLimit), "",
                        figureText(quotient, fraction)});
    }
    return rows;
}

// The intakes of a finished calculation; none while there is none to show.
std::vector<double> shownIntakes(const AppState& state) {
    return calculationShown(state) ? CalculatedIntakes(state) : std::vector<double>();
}

} // namespace

std::string currentChemicalName(const AppState& state) {
    const ModelDataSet& data = state.modelData;
    const int chemical = state.MCCurrentChemical;
    std::string name;
    if (data.ChemicalNames.isAllocated() && chemical >= data.ChemicalNames.lower() &&
        chemical <= data.ChemicalNames.upper()) {
        name = trimBlanks(data.ChemicalNames.at(chemical));
    }
    return name.empty() ? trimBlanks(data.ContaminantName) : name;
}

RiskForm::RiskForm(const AppState& state, Prompter& prompter, std::string settingsPath)
    : prompter_(prompter), settingsPath_(std::move(settingsPath)),
      chemical_(currentChemicalName(state)), intakes_(shownIntakes(state)) {
    try {
        kept_ = ChemicalRiskValues::load(settingsPath_);
    } catch (const std::exception& failure) {
        // A file that cannot be read is never written over: it may hold other chemicals.
        keepable_ = false;
        reportFailure(prompter_, failure, settingsPath_, "");
    }
    chemicalEditable_ = chemical_.empty();
    showKept();
}

void RiskForm::showKept() {
    factors_ = chemical_.empty() ? RiskFactors{} : kept_.valuesFor(chemical_);
    slopeFactorText_ = textOf(factors_.slopeFactor);
    referenceDoseText_ = textOf(factors_.referenceDose);
    slopeFactorRefused_ = referenceDoseRefused_ = false;
    recompute();
}

void RiskForm::setChemical(std::string name) {
    if (!chemicalEditable_) {
        return;
    }
    chemical_ = trimBlanks(name);
    const RiskFactors kept = chemical_.empty() ? RiskFactors{} : kept_.valuesFor(chemical_);
    if (kept.slopeFactor || kept.referenceDose) {
        showKept();
    }
}

std::string RiskForm::figureText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, end.ptr);
}

void RiskForm::setSlopeFactorText(std::string text) {
    slopeFactorText_ = std::move(text);
    factors_.slopeFactor = factorOf(slopeFactorText_, slopeFactorRefused_);
    recompute();
}

void RiskForm::setReferenceDoseText(std::string text) {
    referenceDoseText_ = std::move(text);
    factors_.referenceDose = factorOf(referenceDoseText_, referenceDoseRefused_);
    recompute();
}

void RiskForm::recompute() {
    rows_.clear();
    if (intakes_.empty() || (!factors_.slopeFactor && !factors_.referenceDose)) {
        return;
    }
    rows_ = rowsOf(riskFiguresOf(intakes_, factors_), intakes_.size() > 1);
}

std::string RiskForm::notice() const {
    std::string text;
    const auto add = [&text](std::string_view line) {
        text += text.empty() ? "" : "\n";
        text += line;
    };
    if (slopeFactorRefused_) {
        add(SlopeFactorRefused);
    }
    if (referenceDoseRefused_) {
        add(ReferenceDoseRefused);
    }
    if (intakes_.empty()) {
        add(NoResult);
    }
    if (chemical_.empty()) {
        add(NoChemical);
    }
    return text;
}

void RiskForm::keep() {
    if (chemical_.empty() || !keepable_) {
        return;
    }
    const RiskFactors earlier = kept_.valuesFor(chemical_);
    RiskFactors values = factors_;
    if (slopeFactorRefused_) {
        values.slopeFactor = earlier.slopeFactor;
    }
    if (referenceDoseRefused_) {
        values.referenceDose = earlier.referenceDose;
    }
    if (values == earlier) {
        return;
    }
    kept_.setValuesFor(chemical_, values);
    try {
        kept_.save(settingsPath_);
    } catch (const std::exception& failure) {
        reportFailure(prompter_, failure, settingsPath_, chemical_);
    }
}

} // namespace torval
