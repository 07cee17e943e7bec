#include "ReportLayout.h"

#include "shell/TextEncoding.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>

namespace torval {

namespace {

QFont fontOf(const ReportItem& item) {
    return reportFont(item.fontSize, item.bold, item.underline);
}

// Height and ascent of a line: those of the largest font it uses, its closing size included.
struct LineExtent {
    qreal height = 0;
    qreal ascent = 0;
};

LineExtent extentOf(const ReportLine& line, const QPaintDevice& device) {
    LineExtent extent;
    auto widen = [&](const QFont& font) {
        const QFontMetricsF metrics(font, &device);
        extent.height = std::max(extent.height, metrics.lineSpacing());
        extent.ascent = std::max(extent.ascent, metrics.ascent());
    };
    widen(reportFont(line.fontSize, false, false));
    for (const ReportItem& item : line.items) {
        widen(fontOf(item));
    }
    return extent;
}

qreal tabStop(const ReportItem& tab, qreal x, const QPaintDevice& device) {
    const QFontMetricsF metrics(fontOf(tab), &device);
    const qreal column = std::max(tab.column - 1, 0) * metrics.averageCharWidth();
    return column >= x ? column : x + metrics.horizontalAdvance(QLatin1Char(' '));
}

} // namespace

QFont reportFont(int pointSize, bool bold, bool underline) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(std::max(pointSize, 1));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

ReportLayout layOutReport(const ReportDocument& document, const QPaintDevice& device,
                          qreal pageHeight) {
    ReportLayout layout;
    int page = 0;
    qreal top = 0;
    for (const ReportLine& line : document.lines) {
        const LineExtent extent = extentOf(line, device);
        if (top > 0 && top + extent.height > pageHeight) {
            ++page;
            top = 0;
        }
        qreal x = 0;
        for (const ReportItem& item : line.items) {
            if (item.kind == ReportItem::Kind::Tab) {
                x = tabStop(item, x, device);
                continue;
            }
            const QFont font = fontOf(item);
            const std::string utf8 = fromFileText(item.text);
            const QString text =
                QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
            layout.texts.push_back({page, QPointF(x, top + extent.ascent), font, text});
            x += QFontMetricsF(font, &device).horizontalAdvance(text);
        }
        top += extent.height;
    }
    layout.pageCount = page + 1;
    return layout;
}

} // namespace torval
