#pragma once
// Puts a report into a PDF file (A4): the printer's stand-in when the system has none, and the
// command-line program's report output. A file that cannot be created raises 71, as any other
// file the program cannot create in its directory.

#include "reports/ReportDocument.h"

#include <string>
#include <utility>

namespace torval {

class PdfPrintSink : public PrintSink {
public:
    explicit PdfPrintSink(std::string path) : path_(std::move(path)) {}
    void print(const ReportDocument& document) override;

private:
    std::string path_; // native path bytes
};

} // namespace torval
