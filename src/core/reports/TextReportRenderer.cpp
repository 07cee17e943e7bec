#include "reports/TextReportRenderer.h"

namespace torval {

namespace {

// Columns count characters, not bytes: a UTF-8 continuation byte starts none.
std::size_t columnsOf(const std::string& line) {
    std::size_t columns = 0;
    for (const char byte : line) {
        columns += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

void tabTo(std::string& line, int column) {
    const std::size_t target = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
    const std::size_t columns = columnsOf(line);
    if (columns < target) {
        line.append(target - columns, ' ');
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
