#pragma once
// Paints a report document on a printer or a PDF writer: sets the report's margins, lays the
// document out for the device's printable area and draws it page by page.

#include "reports/ReportDocument.h"

#include <QPagedPaintDevice>

namespace torval {

// The margin on each side of the page.
inline constexpr qreal ReportMarginMillimetres = 20;

// The number of pages painted; 0 when the device could not be opened for painting.
int paintReport(const ReportDocument& document, QPagedPaintDevice& device);

} // namespace torval
