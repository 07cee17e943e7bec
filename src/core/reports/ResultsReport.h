#pragma once
// The printed record of one analysis: the transport-model data in use, the intervals and
// concentrations, the parameters of the chosen pathway, the intake and, after a Monte Carlo
// calculation, every simulated intake. The analysis window's print command calls it through
// its ReportPrinter; the command-line program renders the same document to a file.

#include "AppState.h"
#include "intake/AnalysisServices.h"
#include "reports/ReportDocument.h"
#include "shell/Prompter.h"

#include <functional>
#include <utility>

namespace torval {

// The report as a document, built from the state alone.
ReportDocument ResultsReportDocument(const AppState& state);

// Builds the report under the busy pointer and hands it to the sink as one print job. A
// failure of the sink (68 without a printer) propagates to the command that printed, whose
// handler reports it and restores the pointer.
void PrintResultsReport(const AppState& state, Prompter& prompter, PrintSink& sink);

// The analysis window's printer service. The printer set-up dialog belongs to the windows,
// which hand it in; without one, set-up does nothing.
class ResultsReportPrinter final : public ReportPrinter {
public:
    ResultsReportPrinter(Prompter& prompter, PrintSink& sink, std::function<void()> setup = {})
        : prompter_(prompter), sink_(sink), setup_(std::move(setup)) {}

    void printerSetup() override {
        if (setup_) {
            setup_();
        }
    }
    void printResultsReport(AppState& state) override {
        PrintResultsReport(state, prompter_, sink_);
    }

private:
    Prompter& prompter_;
    PrintSink& sink_;
    std::function<void()> setup_;
};

} // namespace torval
