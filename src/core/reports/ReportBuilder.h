#pragma once
// Writes a ReportDocument the way a printer is driven: the font size and the bold and underline
// attributes are switched between items and stay in force until switched again, and every item
// takes the attributes in force when it is written. The report builders read like the sequence
// of printer calls they stand for.

#include "reports/ReportDocument.h"

#include <string_view>

namespace torval {

class ReportBuilder {
public:
    void fontSize(int size) { fontSize_ = size; }
    void bold(bool on) { bold_ = on; }
    void underline(bool on) { underline_ = on; }

    void text(std::string_view text);
    void tab(int column);

    // Ends the current line; on a line without items this is an empty line.
    void endLine();
    void blank() { endLine(); }

    // The text in bold as a line of its own; bold is off afterwards.
    void boldLine(std::string_view text);

    // The label in bold, a tab to the column, the value in regular weight, the end of the line.
    void labelled(std::string_view label, int column, std::string_view value);

    // The document so far; a line still open is ended first.
    ReportDocument finish();

private:
    ReportItem item(ReportItem::Kind kind) const;

    ReportDocument document_;
    ReportLine current_;
    bool lineOpen_ = false;
    int fontSize_ = 12;
    bool bold_ = false;
    bool underline_ = false;
};

} // namespace torval
