#include "ui/PrintPreview.h"

#include "print/ReportPainter.h"
#include "ui/PrinterChoice.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace torval {

void PrintPreview::print(const ReportDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    const QPrinter& chosen = printer_.printer();
    if (chosen.outputFormat() == QPrinter::NativeFormat) {
        printer.setPrinterName(chosen.printerName());
    }
    printer.setPageLayout(chosen.pageLayout());
    printer.setDocName(chosen.docName());
    QPrintPreviewDialog preview(&printer, parent_ != nullptr ? parent_->window() : nullptr);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* device) { paintReport(document, *device); });
    preview.exec();
}

} // namespace torval
