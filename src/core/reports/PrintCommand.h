#pragma once
// The print command of the reports: puts a finished document on the printer and, when the
// system has no printer at all (68), offers to save it as a PDF file instead. It is itself a
// PrintSink, so whoever builds a report hands the document to it as to any printer; unlike a
// plain sink it reports its own failures through ErrorReport and never raises.

#include "reports/ReportDocument.h"
#include "shell/FileDialogs.h"
#include "shell/Prompter.h"

#include <functional>
#include <memory>
#include <string>

namespace torval {

enum class PrintOutcome { Printed, SavedAsPdf, NotPrinted };

// Makes the sink that writes a PDF file at the path (native path bytes).
using PdfSinkFactory = std::function<std::unique_ptr<PrintSink>(const std::string& path)>;

// The question asked after the 68 message, answered Yes to save a PDF instead.
Message pdfInsteadQuestion();

// The save dialog that chooses the PDF file.
FileChoice pdfFileChoice();

class PrintCommand : public PrintSink {
public:
    PrintCommand(PrintSink& printer, Prompter& prompter, FileDialogs& dialogs,
                 PdfSinkFactory makePdfSink);

    PrintOutcome run(const ReportDocument& document);
    void print(const ReportDocument& document) override { run(document); }

private:
    PrintOutcome offerPdf(const ReportDocument& document);

    PrintSink& printer_;
    Prompter& prompter_;
    FileDialogs& dialogs_;
    PdfSinkFactory makePdfSink_;
};

} // namespace torval
