#include "reports/MonteCarloReport.h"

#include "reports/MonteCarloOutputRows.h"
#include "reports/ReportBuilder.h"
#include "shell/NumberText.h"

#include <array>
#include <string>
#include <utility>

namespace torval {

namespace {

constexpr int TitleColumn = 16;
constexpr int LabelColumn = 10;
constexpr int ValueColumn = 40;

using LabelledValue = std::pair<std::string_view, const std::string*>;

void underlinedHeading(ReportBuilder& report, std::string_view heading) {
    report.underline(true);
    report.blank();
    report.text(heading);
    report.endLine();
    report.underline(false);
}

void valueLines(ReportBuilder& report, const std::array<LabelledValue, 6>& values) {
    for (const auto& [label, value] : values) {
        report.tab(LabelColumn);
        report.text(label);
        report.tab(ValueColumn);
        report.text(FormatNumber(*value));
        report.endLine();
    }
}

void variantPart(ReportBuilder& report, const MonteCarloVariant& variant,
                 const MonteCarloResult& statistics) {
    report.fontSize(12);
    report.blank();
    report.blank();
    report.boldLine("Variant:  " + variant.Name);
    report.fontSize(10);
    underlinedHeading(report, "Input Data:");
    valueLines(report, {{
                           {"Mean:", &variant.Mean},
                           {"Variance:", &variant.Variance},
                           {"Minimum:", &variant.Minimum},
                           {"Maximum:", &variant.Maximum},
                           {"Distribution Type:", &variant.Distribution},
                           {"Number of Monte Carlo Iterations:", &variant.Terms},
                       }});
    report.blank();
    report.underline(true);
    report.text("Output Data:");
    report.endLine();
    report.underline(false);
    valueLines(report, {{
                           {"Arithmetic Mean:", &statistics.ArithmeticMean},
                           {"Geometric Mean:", &statistics.GeometricMean},
                           {"Median:", &statistics.Median},
                           {"Minimum:", &statistics.Minimum},
                           {"Maximum:", &statistics.Maximum},
                           {"Standard Deviation:", &statistics.StandardDeviation},
                       }});
}

} // namespace

ReportDocument MonteCarloReportDocument(const AppState& state) {
    ReportBuilder report;
    report.fontSize(14);
    report.bold(true);
    report.tab(TitleColumn);
    report.text(MonteCarloReportTitle);
    report.endLine();
    report.blank();
    report.fontSize(12);
    const int chemical = state.MCCurrentChemical;
    for (const int row : countedMonteCarloRows(state)) {
        variantPart(report, state.InputTGData.at(row, chemical),
                    state.ResultTGData.at(row, chemical));
    }
    return report.finish();
}

void PrintMonteCarloReport(AppState& state, PrintSink& sink) {
    sink.print(MonteCarloReportDocument(state));
}

} // namespace torval
