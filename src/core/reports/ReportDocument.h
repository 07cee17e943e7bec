#pragma once
// A printed report as the core builds it: lines of items, each item a text or a tab to a
// character column, each carrying the font size and the bold and underline attributes it is
// printed with. The results report and the Monte Carlo report are built as documents, so that
// tests read exactly what would be printed; a renderer puts a document on a printer, into a PDF
// or into plain text.

#include <string>
#include <vector>

namespace torval {

struct ReportItem {
    enum class Kind { Text, Tab };
    Kind kind = Kind::Text;
    std::string text; // UTF-8; empty for a tab
    int column = 0;   // a tab's column, counted from 1
    int fontSize = 12;
    bool bold = false;
    bool underline = false;

    bool operator==(const ReportItem&) const = default;
};

// An empty line is a line without items; it still takes the height of its font size.
struct ReportLine {
    std::vector<ReportItem> items;
    int fontSize = 12; // the size in force at the line's end, which sets an empty line's height

    bool operator==(const ReportLine&) const = default;
};

struct ReportDocument {
    std::vector<ReportLine> lines;

    bool operator==(const ReportDocument&) const = default;
};

// Where a finished document goes: the printer, a PDF file or a text file. A sink that cannot
// print raises the run-time failure that says why (68 when the system has no printer).
class PrintSink {
public:
    virtual ~PrintSink() = default;
    virtual void print(const ReportDocument& document) = 0;
};

} // namespace torval
