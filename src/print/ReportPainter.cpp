#include "ReportPainter.h"

#include "ReportLayout.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>

namespace torval {

int paintReport(const ReportDocument& document, QPagedPaintDevice& device) {
    const qreal margin = ReportMarginMillimetres;
    device.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    const qreal pageHeight = device.pageLayout().paintRectPixels(device.logicalDpiY()).height();
    const ReportLayout layout = layOutReport(document, device, pageHeight);

    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    int page = 0;
    for (const PlacedText& placed : layout.texts) {
        for (; page < placed.page; ++page) {
            device.newPage();
        }
        painter.setFont(placed.font);
        painter.drawText(placed.origin, placed.text);
    }
    for (; page + 1 < layout.pageCount; ++page) {
        device.newPage();
    }
    painter.end();
    return layout.pageCount;
}

} // namespace torval
