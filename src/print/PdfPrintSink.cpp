#include "PdfPrintSink.h"

#include "ReportPainter.h"
#include "shell/ApplicationInfo.h"
#include "shell/RunTimeError.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>

namespace torval {

void PdfPrintSink::print(const ReportDocument& document) {
    QPdfWriter writer(QFile::decodeName(QByteArray::fromStdString(path_)));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setCreator(QString::fromUtf8(ApplicationTitle.data(), ApplicationTitle.size()));
    if (paintReport(document, writer) == 0) {
        throw RunTimeError(ErrorCode::DiskNotReady, path_);
    }
}

} // namespace torval
