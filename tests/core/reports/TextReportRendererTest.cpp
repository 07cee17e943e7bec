#include "reports/TextReportRenderer.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

ReportItem text(std::string value) {
    return {ReportItem::Kind::Text, std::move(value)};
}
ReportItem tab(int column) {
    return {ReportItem::Kind::Tab, "", column};
}

TEST(TextReport, TabsPadToTheirColumn) {
    struct Case {
        std::vector<ReportItem> items;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{text("ab"), tab(5), text("c")}, "ab  c"},
        {{tab(3), text("x")}, "  x"},
        {{tab(1), text("x")}, "x"},
        {{text("abcd"), tab(5), text("e")}, "abcd e"},     // already at the column
        {{text("abcdef"), tab(5), text("g")}, "abcdef g"}, // past it
        {{text("ab"), tab(5)}, "ab  "},
        {{text("\u00B2"), tab(3), text("\u00B3")}, "\u00B2 \u00B3"}, // one character, one column
    };
    ReportDocument document;
    std::string expected;
    for (const Case& c : cases) {
        document.lines.push_back({c.items});
        expected += c.line + "\r\n";
    }
    EXPECT_EQ(RenderReportText(document), expected);
}

} // namespace
} // namespace torval
