#include "ui/QtReportPrinter.h"

#include "print/PdfPrintSink.h"
#include "reports/MonteCarloReport.h"
#include "reports/ResultsReport.h"
#include "reports/ResultsViewing.h"
#include "ui/PrintPreview.h"
#include "ui/PrinterChoice.h"

#include <memory>

namespace torval {

PrintCommand printCommandOn(PrinterChoice& printer, Prompter& prompter, FileDialogs& dialogs) {
    return PrintCommand(printer, prompter, dialogs, [](const std::string& path) {
        return std::make_unique<PdfPrintSink>(path);
    });
}

QtReportPrinter::QtReportPrinter(PrinterChoice& printer, Prompter& prompter, FileDialogs& dialogs,
                                 QWidget* parent)
    : printer_(printer), prompter_(prompter), dialogs_(dialogs), parent_(parent) {}

void QtReportPrinter::printerSetup() {
    printer_.showPrinterSetup();
}

void QtReportPrinter::printResultsReport(AppState& state) {
    PrintCommand command = printCommandOn(printer_, prompter_, dialogs_);
    PrintResultsReport(state, prompter_, command);
}

void QtReportPrinter::previewResultsReport(AppState& state) {
    PrintPreview preview(printer_, parent_);
    preview.print(ResultsReportDocument(state));
}

QtMonteCarloOutputs::QtMonteCarloOutputs(Prompter& prompter, Launcher& launcher,
                                         PrinterChoice& printer, FileDialogs& dialogs,
                                         EventPump* events, QWidget* parent)
    : prompter_(prompter), launcher_(launcher), printer_(printer), dialogs_(dialogs),
      events_(events), parent_(parent) {}

void QtMonteCarloOutputs::print(AppState& state) {
    if (previewing_) {
        PrintPreview preview(printer_, parent_);
        PrintMonteCarloReport(state, preview);
        return;
    }
    PrintCommand command = printCommandOn(printer_, prompter_, dialogs_);
    PrintMonteCarloReport(state, command);
}

void QtMonteCarloOutputs::view(AppState& state, std::string_view choice) {
    ViewMonteCarloOutput(state, prompter_, launcher_, choice, events_);
}

void QtMonteCarloOutputs::preview(MonteCarloForm& form) {
    struct Previewing {
        bool& flag;
        explicit Previewing(bool& f) : flag(f) { flag = true; }
        ~Previewing() { flag = false; }
        Previewing(const Previewing&) = delete;
        Previewing& operator=(const Previewing&) = delete;
    } previewing(previewing_);
    form.PrintCommand();
}

} // namespace torval
