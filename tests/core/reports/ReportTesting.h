#pragma once
// Reading reports and files in tests. A report line becomes one string: "[n]" opens a line whose
// font size is not 12, "*" marks a bold text item, "_" an underlined one, "|n|" a tab to
// column n. A file becomes its lines, each of which must end in CR LF.

#include "reports/ReportDocument.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval::testing {

using Lines = std::vector<std::string>;

inline Lines describe(const ReportDocument& document) {
    Lines lines;
    for (const ReportLine& line : document.lines) {
        std::string text = line.fontSize == 12 ? "" : "[" + std::to_string(line.fontSize) + "]";
        for (const ReportItem& item : line.items) {
            text +=
                item.kind == ReportItem::Kind::Tab
                    ? "|" + std::to_string(item.column) + "|"
                    : (item.bold ? "*" : "") + std::string(item.underline ? "_" : "") + item.text;
        }
        lines.push_back(text);
    }
    return lines;
}

inline Lines linesOf(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_EQ(start, text.size()) << "the last line is not ended by CR LF";
    return lines;
}

// Lines [from, from + count) of the list, or fewer when it is shorter.
inline Lines slice(const Lines& lines, std::size_t from, std::size_t count) {
    from = std::min(from, lines.size());
    const std::size_t to = std::min(lines.size(), from + count);
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(from),
                 lines.begin() + static_cast<std::ptrdiff_t>(to));
}

} // namespace torval::testing
