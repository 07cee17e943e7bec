#include "ui/PrinterChoice.h"

#include "print/ReportPainter.h"
#include "shell/ApplicationInfo.h"
#include "shell/RunTimeError.h"
#include "ui/QtText.h"

#include <QPrintDialog>
#include <QPrinterInfo>
#include <QWidget>

namespace torval {

PrinterChoice::PrinterChoice(QWidget* parent)
    : parent_(parent), printer_(QPrinter::HighResolution) {
    printer_.setDocName(qText(ApplicationTitle));
}

void PrinterChoice::showPrinterSetup() {
    QPrintDialog dialog(&printer_, parent_ != nullptr ? parent_->window() : nullptr);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.exec();
}

void PrinterChoice::print(const ReportDocument& document) {
    const bool toFile = !printer_.outputFileName().isEmpty();
    if (!toFile && QPrinterInfo::availablePrinterNames().isEmpty()) {
        throw RunTimeError(ErrorCode::DeviceUnavailable);
    }
    if (paintReport(document, printer_) == 0) {
        throw RunTimeError(ErrorCode::DeviceUnavailable, stdText(printer_.printerName()));
    }
}

} // namespace torval
