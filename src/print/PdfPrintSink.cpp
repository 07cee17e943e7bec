#include "PdfPrintSink.h"

#include "ReportPainter.h"
#include "shell/ApplicationInfo.h"
#include "shell/RunTimeError.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPdfWriter>
#include <string_view>

namespace torval {

namespace {

QByteArray renderedPdf(const ReportDocument& document, const std::string& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setCreator(QString::fromUtf8(ApplicationTitle.data(), ApplicationTitle.size()));
        if (paintReport(document, writer) == 0) {
            throw RunTimeError(ErrorCode::DiskNotReady, "cannot render \"" + path + "\"");
        }
    } // the writer finishes the file when it goes
    return bytes;
}

} // namespace

void PdfPrintSink::print(const ReportDocument& document) {
    const QByteArray bytes = renderedPdf(document, path_);
    replaceFileContents(path_, std::string_view(bytes.constData(), bytes.size()), openSink_);
}

} // namespace torval
