#include "CalcFigures.h"

#include "intake/VariedInputs.h"
#include "montecarlo/Convergence.h"
#include "montecarlo/RiskFigures.h"
#include "montecarlo/Sensitivity.h"
#include "shell/NumberText.h"

#include <string>

namespace torval::cli {

namespace {

nlohmann::json sensitivityOf(const AppState& state, const std::vector<double>& intakes) {
    nlohmann::json entries = nlohmann::json::array();
    const std::vector<VariedInput> inputs = VariedInputValues(state);
    if (inputs.size() < 2) {
        return entries;
    }
    for (const SensitivityEntry& entry : SensitivityAnalysis(inputs, intakes)) {
        entries.push_back({{"input", entry.input},
                           {"rankCorrelation", entry.rankCorrelation},
                           {"contribution", entry.contribution}});
    }
    return entries;
}

nlohmann::json optionalNumber(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

nlohmann::json distributionJson(const RiskDistribution& figure, double limit) {
    return {{"p5", figure.p5},     {"median", figure.median},
            {"mean", figure.mean}, {"p95", figure.p95},
            {"limit", limit},      {"fractionAboveLimit", figure.fractionAboveLimit}};
}

nlohmann::json figureJson(const RiskDistribution& figure, double limit, bool monteCarlo) {
    return monteCarlo ? distributionJson(figure, limit) : nlohmann::json(figure.mean);
}

void printFigure(std::ostream& out, const std::string& title, const RiskDistribution& figure,
                 double limit, bool monteCarlo) {
    if (!monteCarlo) {
        out << title << ": " << generalText(figure.mean) << '\n';
        return;
    }
    out << title << ":\n"
        << "  5th Percentile: " << generalText(figure.p5) << '\n'
        << "  Median: " << generalText(figure.median) << '\n'
        << "  Arithmetic Mean: " << generalText(figure.mean) << '\n'
        << "  95th Percentile: " << generalText(figure.p95) << '\n'
        << "  Fraction Above " << generalText(limit) << ": "
        << generalText(figure.fractionAboveLimit) << '\n';
}

} // namespace

void addMonteCarloFigures(nlohmann::json& result, const AppState& state,
                          const std::vector<double>& intakes) {
    result["sensitivity"] = sensitivityOf(state, intakes);
    const ConvergenceFigures convergence = convergenceOf(intakes);
    result["convergence"] = {{"meanRelativeChange", optionalNumber(convergence.meanRelativeChange)},
                             {"p95RelativeChange", optionalNumber(convergence.p95RelativeChange)}};
}

void addRiskFigures(nlohmann::json& result, const std::vector<double>& intakes, bool monteCarlo,
                    const RiskFactors& factors) {
    if ((!factors.slopeFactor && !factors.referenceDose) || intakes.empty()) {
        return;
    }
    const RiskFigures figures = riskFiguresOf(intakes, factors);
    nlohmann::json risk = nlohmann::json::object();
    if (figures.cancerRisk) {
        risk["slopeFactor"] = *factors.slopeFactor;
        risk["cancerRisk"] = figureJson(*figures.cancerRisk, RiskLimit, monteCarlo);
    }
    if (figures.hazardQuotient) {
        risk["referenceDose"] = *factors.referenceDose;
        risk["hazardQuotient"] =
            figureJson(*figures.hazardQuotient, HazardQuotientLimit, monteCarlo);
    }
    result["risk"] = risk;
}

void printRiskFigures(std::ostream& out, const std::vector<double>& intakes, bool monteCarlo,
                      const RiskFactors& factors) {
    if ((!factors.slopeFactor && !factors.referenceDose) || intakes.empty()) {
        return;
    }
    const RiskFigures figures = riskFiguresOf(intakes, factors);
    if (figures.cancerRisk) {
        printFigure(out, "Lifetime Cancer Risk", *figures.cancerRisk, RiskLimit, monteCarlo);
    }
    if (figures.hazardQuotient) {
        printFigure(out, "Hazard Quotient", *figures.hazardQuotient, HazardQuotientLimit,
                    monteCarlo);
    }
}

} // namespace torval::cli
