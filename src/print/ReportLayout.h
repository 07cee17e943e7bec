#pragma once
// Where each text of a report document lands on the pages: the renderer's whole page layout,
// kept apart from the painting so that it can be checked without reading a PDF back.
//
// Every item is set in the system's default font family at its own point size, bold and
// underline. A tab to column n starts the next text (n - 1) average character widths of the
// tab's font from the left edge, so that column 1 is the edge itself; when the line has already
// passed that column the text follows after one blank's width. A line is as high as the
// line spacing of its largest font (an empty line as that of its own size) and starts a new
// page when it would cross the bottom of the printable area.

#include "reports/ReportDocument.h"

#include <QFont>
#include <QPaintDevice>
#include <QPointF>
#include <QString>
#include <vector>

namespace torval {

struct PlacedText {
    int page = 0; // counted from 0
    QPointF
        origin; // the start of the text's baseline, in device pixels from the printable top left
    QFont font;
    QString text;
};

struct ReportLayout {
    std::vector<PlacedText> texts;
    int pageCount = 1;
};

QFont reportFont(int pointSize, bool bold, bool underline);

// Measures with the fonts as they are on the device; pageHeight is the printable height in the
// device's pixels.
ReportLayout layOutReport(const ReportDocument& document, const QPaintDevice& device,
                          qreal pageHeight);

} // namespace torval
