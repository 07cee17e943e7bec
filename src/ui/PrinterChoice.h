#pragma once
// The printer of the program: the system's default printer until the user picks another in
// Printer Setup; every later print (results and Monte Carlo reports) goes to the printer
// chosen here. A system without printers raises 68 on printing, so the caller can offer a PDF.

#include "reports/ReportDocument.h"
#include "shell/MainForm.h"

#include <QPrinter>

class QWidget;

namespace torval {

class PrinterChoice : public PrinterSetupDialog, public PrintSink {
public:
    explicit PrinterChoice(QWidget* parent = nullptr);

    void showPrinterSetup() override;
    void print(const ReportDocument& document) override;

    void setParent(QWidget* parent) { parent_ = parent; }
    const QPrinter& printer() const { return printer_; }

private:
    QWidget* parent_;
    QPrinter printer_;
};

} // namespace torval
