#include "reports/TextReportRenderer.h"

namespace torval {

namespace {

void tabTo(std::string& line, int column) {
    const std::size_t target = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
    if (line.size() < target) {
        line.append(target - line.size(), ' ');
    } else if (!line.empty()) {
        line += ' ';
    }
}

std::string renderLine(const ReportLine& reportLine) {
    std::string line;
    for (const ReportItem& item : reportLine.items) {
        if (item.kind == ReportItem::Kind::Tab) {
            tabTo(line, item.column);
        } else {
            line += item.text;
        }
    }
    return line;
}

} // namespace

std::string RenderReportText(const ReportDocument& document) {
    std::string text;
    for (const ReportLine& line : document.lines) {
        text += renderLine(line);
        text += "\r\n";
    }
    return text;
}

} // namespace torval
