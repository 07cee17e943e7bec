#include "DefaultPrinterSink.h"

#include "ReportPainter.h"
#include "shell/ApplicationInfo.h"
#include "shell/RunTimeError.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace torval {

void DefaultPrinterSink::print(const ReportDocument& document) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        throw RunTimeError(ErrorCode::DeviceUnavailable);
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(ApplicationTitle.data(), ApplicationTitle.size()));
    if (paintReport(document, printer) == 0) {
        throw RunTimeError(ErrorCode::DeviceUnavailable, printerInfo.printerName().toStdString());
    }
}

} // namespace torval
