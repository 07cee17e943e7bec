#pragma once
// A report on the screen as the printer would put it on paper: QPrintPreviewDialog over a
// printer set up like the program's chosen one (its name and page layout), painted by the same
// renderer as a print. Printing from the preview's own toolbar prints on that printer.

#include "reports/ReportDocument.h"

class QWidget;

namespace torval {

class PrinterChoice;

class PrintPreview : public PrintSink {
public:
    PrintPreview(const PrinterChoice& printer, QWidget* parent = nullptr)
        : printer_(printer), parent_(parent) {}

    // Shows the document modally until the user closes the preview.
    void print(const ReportDocument& document) override;

private:
    const PrinterChoice& printer_;
    QWidget* parent_;
};

} // namespace torval
