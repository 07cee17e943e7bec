#include "reports/ResultsReport.h"

#include "reports/ReportBuilder.h"
#include "reports/ReportPathwaySections.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <array>
#include <string>

namespace torval {

namespace {

constexpr int LabelColumn = 20;
constexpr int ConcentrationColumn = 30;
constexpr int ResultListColumn = 10;

bool isInputMode(const ModelDataSet& data) {
    return lowerCase(data.ModelName) == "input";
}

bool isMonteCarloResult(const RiskInput& input) {
    return contains(lowerCase(input.ResultText), "monte");
}

// Unit texts may carry the "&" of a caption's access key; only the first is dropped.
std::string withoutFirstAmpersand(std::string unit) {
    if (const std::size_t at = unit.find('&'); at != std::string::npos) {
        unit.erase(at, 1);
    }
    return unit;
}

void sectionHeading(ReportBuilder& report, std::string_view heading) {
    report.fontSize(13);
    report.blank();
    report.boldLine(heading);
    report.fontSize(12);
    report.blank();
}

void unitLine(ReportBuilder& report, std::string_view label, const std::string& unit) {
    report.text(label);
    report.tab(LabelColumn);
    report.text(withoutFirstAmpersand(unit));
    report.endLine();
}

void modelBlock(ReportBuilder& report, const ModelDataSet& data) {
    report.labelled("Model: ", LabelColumn, data.ModelName + " -- " + data.SubModelName);
    const std::string model = lowerCase(data.ModelName);
    if (contains(model, "ground")) {
        report.labelled("Aquifer: ", LabelColumn, data.AquiferName);
        report.labelled("Contaminant: ", LabelColumn, data.ContaminantName);
    } else if (contains(model, "surface")) {
        report.labelled("Sub Model Type: ", LabelColumn, data.SubTypeName);
    }
    report.blank();
    report.boldLine("Units:");
    unitLine(report, "  Length: ", data.LengthUnit);
    unitLine(report, "  Time: ", data.TimeUnit);
    unitLine(report, "  Concentration: ", data.ConcentrationUnit);
    report.blank();
    report.labelled("PLUMEX Result: ", LabelColumn, data.DataType == 0 ? "Monte Carlo" : "Regular");
    report.blank();
}

void dataSummary(ReportBuilder& report, const ModelDataSet& data) {
    report.fontSize(14);
    report.blank();
    report.blank();
    report.boldLine("Risk Assessment Model");
    report.fontSize(12);
    report.blank();
    sectionHeading(report, "PLUMEX Data Summary");
    const bool input = isInputMode(data);
    report.labelled("PLUMEX Data Name: ", LabelColumn, input ? "Not Specified" : data.DataFileName);
    if (!input) {
        modelBlock(report, data);
    }
}

std::string_view concentrationChoiceText(std::int16_t choice) {
    switch (choice) {
    case 0:
        return "Average Concentration";
    case 1:
        return "Maximum Concentration";
    case 2:
        return "Specified Concentration";
    default:
        return "";
    }
}

void riskSummary(ReportBuilder& report, const RiskInput& input) {
    sectionHeading(report, "Risk Data Summary");
    report.labelled("Risk Data Name: ", LabelColumn, input.FileName);
    const std::array<std::pair<std::string_view, const std::string*>, 4> ranges = {{
        {"X Range: ", &input.XInterval},
        {"Y Range: ", &input.YInterval},
        {"Z Range: ", &input.ZInterval},
        {"T Range: ", &input.TInterval},
    }};
    for (const auto& [label, interval] : ranges) {
        if (!trimBlanks(*interval).empty()) {
            report.labelled(label, LabelColumn, *interval);
        }
    }
    report.labelled("Selected Concentration: ", ConcentrationColumn,
                    concentrationChoiceText(input.ConcChoice));
    report.labelled("Average Concentration: ", ConcentrationColumn, input.AverageConc + " mg/l");
    report.labelled("Maximum Concentration: ", ConcentrationColumn, input.MaximumConc + " mg/l");
    report.labelled("Specified Concentration: ", ConcentrationColumn,
                    input.SpecifiedConc.empty() ? " " : input.SpecifiedConc + " mg/l");
    report.blank();
}

void resultPart(ReportBuilder& report, const AppState& state) {
    const bool monteCarlo = isMonteCarloResult(state.riskInput);
    report.labelled("Risk Result: ", LabelColumn,
                    monteCarlo ? "Monte Carlo"
                               : FormatNumber(state.riskInput.ResultText) + " mg/(kg-day)");
    report.blank();
    if (!monteCarlo) {
        return;
    }
    report.boldLine("Monte Carlo Simulation Results");
    for (std::int32_t i = 1; i < state.ResultCount; ++i) {
        report.tab(ResultListColumn);
        report.text(FormatNumber(generalText(state.IntakeResults.at(i))));
        report.endLine();
    }
}

} // namespace

ReportDocument ResultsReportDocument(const AppState& state) {
    ReportBuilder report;
    dataSummary(report, state.modelData);
    riskSummary(report, state.riskInput);
    PrintPathwaySection(report, state.riskInput);
    report.blank();
    resultPart(report, state);
    return report.finish();
}

void PrintResultsReport(const AppState& state, Prompter& prompter, PrintSink& sink) {
    prompter.setBusy(true);
    const ReportDocument document = ResultsReportDocument(state);
    sink.print(document);
    prompter.setBusy(false);
}

} // namespace torval
