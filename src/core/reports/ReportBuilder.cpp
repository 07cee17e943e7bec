#include "reports/ReportBuilder.h"

#include <string>
#include <utility>

namespace torval {

ReportItem ReportBuilder::item(ReportItem::Kind kind) const {
    ReportItem item;
    item.kind = kind;
    item.fontSize = fontSize_;
    item.bold = bold_;
    item.underline = underline_;
    return item;
}

void ReportBuilder::text(std::string_view text) {
    ReportItem textItem = item(ReportItem::Kind::Text);
    textItem.text = std::string(text);
    current_.items.push_back(std::move(textItem));
    lineOpen_ = true;
}

void ReportBuilder::tab(int column) {
    ReportItem tabItem = item(ReportItem::Kind::Tab);
    tabItem.column = column;
    current_.items.push_back(std::move(tabItem));
    lineOpen_ = true;
}

void ReportBuilder::endLine() {
    current_.fontSize = fontSize_;
    document_.lines.push_back(std::move(current_));
    current_ = ReportLine{};
    lineOpen_ = false;
}

void ReportBuilder::boldLine(std::string_view line) {
    bold(true);
    text(line);
    endLine();
    bold(false);
}

void ReportBuilder::labelled(std::string_view label, int column, std::string_view value) {
    bold(true);
    text(label);
    tab(column);
    bold(false);
    text(value);
    endLine();
}

ReportDocument ReportBuilder::finish() {
    if (lineOpen_) {
        endLine();
    }
    return std::move(document_);
}

} // namespace torval
