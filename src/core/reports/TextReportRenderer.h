#pragma once
// A report document as plain text, for the command-line program's text reports. Fonts and
// attributes are dropped; a tab pads with blanks so that the next item starts at its column
// (counted from 1), and when the line already reaches the column it inserts one blank so that
// the items never run together. Lines end in CR LF; the text is UTF-8, as every text inside.

#include "reports/ReportDocument.h"

#include <string>

namespace torval {

std::string RenderReportText(const ReportDocument& document);

} // namespace torval
