#include "CalcCommand.h"

#include "CalcFigures.h"
#include "CountingPrompter.h"
#include "IntakeCommand.h"
#include "analysisfile/RiskDataFile.h"
#include "intake/AnalysisForm.h"
#include "intake/VariedInputs.h"
#include "montecarlo/IntakeSummary.h"
#include "montecarlo/IterationCsv.h"
#include "print/PdfPrintSink.h"
#include "reports/PlotFile.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportRenderer.h"
#include "shell/ErrorReport.h"
#include "shell/FileReplacement.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <QGuiApplication>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

namespace torval::cli {

namespace {

bool isMonteCarloResult(const AppState& state) {
    return contains(lowerCase(state.riskInput.ResultText), "monte");
}

// Runs the analysis window's Calculation command on the analysis as read; true when the
// calculation ran to its end.
bool calculate(AppState& state, Prompter& prompter) {
    AnalysisForm form(state, prompter);
    form.load();
    state.ResultsOutdated = true; // stays so unless a calculation completes
    form.CalculationCommand();
    return !state.ResultsOutdated;
}

void printIntakeSummary(const AppState& state, std::ostream& out) {
    if (!isMonteCarloResult(state)) {
        out << "Chemical Intake: " << state.riskInput.ResultText << " mg/(kg-day)\n";
        return;
    }
    const std::vector<double> intakes = CalculatedIntakes(state);
    out << "Chemical Intake: Monte Carlo Simulation\n";
    out << "Iterations: " << intakes.size() << '\n';
    if (intakes.empty()) {
        return;
    }
    const IntakeSummary summary = summariseIntakes(intakes);
    const std::pair<const char*, double> lines[] = {
        {"Minimum: ", summary.minimum},
        {"5th Percentile: ", summary.p5},
        {"Median: ", summary.median},
        {"95th Percentile: ", summary.p95},
        {"Maximum: ", summary.maximum},
        {"Arithmetic Mean: ", summary.mean},
        {"Standard Deviation: ", summary.standardDeviation},
    };
    for (const auto& [label, value] : lines) {
        out << label << generalText(value) << " mg/(kg-day)\n";
    }
}

void printSummary(const AppState& state, const RiskFactors& risk, std::ostream& out) {
    printIntakeSummary(state, out);
    printRiskFigures(out, CalculatedIntakes(state), isMonteCarloResult(state), risk);
}

void printJson(const AppState& state, const RiskFactors& risk, std::ostream& out) {
    const std::vector<double> intakes = CalculatedIntakes(state);
    nlohmann::json result = {{"resultText", state.riskInput.ResultText},
                             {"resultCount", state.ResultCount},
                             {"intakes", intakes}};
    if (isMonteCarloResult(state) && !intakes.empty()) {
        const IntakeSummary summary = summariseIntakes(intakes);
        result["statistics"] = {{"n", summary.n},       {"min", summary.minimum},
                                {"p5", summary.p5},     {"median", summary.median},
                                {"p95", summary.p95},   {"max", summary.maximum},
                                {"mean", summary.mean}, {"sd", summary.standardDeviation}};
        addMonteCarloFigures(result, state, intakes);
    }
    addRiskFigures(result, intakes, isMonteCarloResult(state), risk);
    out << result.dump(2) << '\n';
}

// Writes one output; a failure is reported with the file's name and answers false.
bool writeOutput(Prompter& prompter, const std::string& path, const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
}

// Fonts are measured through the windowing layer, which exists only within an application
// object; without a display the offscreen platform serves.
void renderPdf(const ReportDocument& document, const std::string& path) {
    std::unique_ptr<QGuiApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "torval-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    PdfPrintSink(path).print(document);
}

bool writeReport(const AppState& state, Prompter& prompter, const std::string& path) {
    return writeOutput(prompter, path, [&] {
        const ReportDocument document = ResultsReportDocument(state);
        if (lowerCase(path).ends_with(".pdf")) {
            renderPdf(document, path);
        } else {
            replaceFileContents(path, RenderReportText(document));
        }
    });
}

bool writeEveryOutput(const CalcRequest& request, AppState& state, Prompter& prompter) {
    if (!request.plotDirectory.empty()) {
        const std::string plotPath = PlotFileName(request.plotDirectory);
        if (!writeOutput(prompter, plotPath,
                         [&] { replaceFileContents(plotPath, WritePlotFile(state)); })) {
            return false;
        }
    }
    if (!request.reportPath.empty() && !writeReport(state, prompter, request.reportPath)) {
        return false;
    }
    if (!request.csvPath.empty() && !writeOutput(prompter, request.csvPath, [&] {
            WriteIterationCsv(state, request.csvPath);
        })) {
        return false;
    }
    return request.savePath.empty() || WriteRiskDataFile(state, prompter, request.savePath);
}

// Every output, and a word on stderr for an output that failed without a message of its own
// (a failure whose code the windows handle silently).
bool writeOutputs(const CalcRequest& request, AppState& state, Prompter& prompter,
                  std::ostream& err) {
    CountingPrompter counting(prompter);
    if (writeEveryOutput(request, state, counting)) {
        return true;
    }
    if (counting.count == 0) {
        err << "torval-cli: the outputs of " << request.path << " were not all written\n";
    }
    return false;
}

} // namespace

int runCalc(const CalcRequest& request, Prompter& prompter, std::ostream& out, std::ostream& err) {
    auto state = std::make_unique<AppState>();
    if (!ReadRiskDataFile(*state, prompter, request.path)) {
        return ExitRunTimeError;
    }
    if (!calculate(*state, prompter)) {
        err << "torval-cli: the calculation of " << request.path << " did not run to its end\n";
        return ExitRunTimeError;
    }
    try {
        if (request.json) {
            printJson(*state, request.risk, out);
        } else {
            printSummary(*state, request.risk, out);
        }
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, "", "");
        return ExitRunTimeError;
    }
    return writeOutputs(request, *state, prompter, err) ? ExitSuccess : ExitFileNotWritten;
}

} // namespace torval::cli
