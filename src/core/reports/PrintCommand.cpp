#include "reports/PrintCommand.h"

#include "shell/ApplicationInfo.h"
#include "shell/ErrorReport.h"
#include "shell/OperationFailure.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <utility>

namespace torval {

namespace {

constexpr std::string_view PdfExtension = ".pdf";

// A dialog does not always add the extension of the chosen filter; a viewer needs it.
std::string withPdfExtension(std::string path) {
    const bool hasIt =
        path.size() >= PdfExtension.size() &&
        lowerCase(std::string_view(path).substr(path.size() - PdfExtension.size())) == PdfExtension;
    return hasIt ? path : path.append(PdfExtension);
}

} // namespace

Message pdfInsteadQuestion() {
    return Message{.text = "No printer is available.\r\r"
                           "Do you want to save the report as a PDF file instead?",
                   .title = std::string(ApplicationTitle),
                   .icon = MessageIcon::Question,
                   .buttons = MessageButtons::YesNo,
                   .defaultButton = MessageAnswer::Yes};
}

FileChoice pdfFileChoice() {
    return FileChoice{.title = "Save Report as PDF",
                      .filters = fileFilters("PDF (*.pdf)|*.pdf"),
                      .filterIndex = 1,
                      .initialDirectory = "",
                      .proposedName = "report.pdf"};
}

PrintCommand::PrintCommand(PrintSink& printer, Prompter& prompter, FileDialogs& dialogs,
                           PdfSinkFactory makePdfSink)
    : printer_(printer), prompter_(prompter), dialogs_(dialogs),
      makePdfSink_(std::move(makePdfSink)) {}

PrintOutcome PrintCommand::run(const ReportDocument& document) {
    try {
        prompter_.setBusy(true);
        printer_.print(document);
        prompter_.setBusy(false);
        return PrintOutcome::Printed;
    } catch (const std::exception& failure) {
        reportOperationFailure(prompter_, failure, "", "Print");
        if (runTimeCodeOf(failure) != ErrorCode::DeviceUnavailable) {
            return PrintOutcome::NotPrinted;
        }
    }
    return offerPdf(document);
}

PrintOutcome PrintCommand::offerPdf(const ReportDocument& document) {
    if (prompter_.show(pdfInsteadQuestion()) != MessageAnswer::Yes) {
        return PrintOutcome::NotPrinted;
    }
    const std::optional<std::string> chosen = dialogs_.saveFile(pdfFileChoice());
    if (!chosen) {
        return PrintOutcome::NotPrinted;
    }
    const std::string path = withPdfExtension(*chosen);
    try {
        prompter_.setBusy(true);
        makePdfSink_(path)->print(document);
        prompter_.setBusy(false);
        return PrintOutcome::SavedAsPdf;
    } catch (const std::exception& failure) {
        reportOperationFailure(prompter_, failure, path, "Print");
        return PrintOutcome::NotPrinted;
    }
}

} // namespace torval
