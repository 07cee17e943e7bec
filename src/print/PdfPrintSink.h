#pragma once
// Puts a report into a PDF file (A4): the printer's stand-in when the system has none, and the
// command-line program's report output. The document is rendered in memory and then replaces
// the file as every other file the program writes (shell/FileReplacement.h), so a failed write
// leaves the previous report as it was and raises the code of what went wrong.

#include "reports/ReportDocument.h"
#include "shell/FileReplacement.h"

#include <string>
#include <utility>

namespace torval {

class PdfPrintSink : public PrintSink {
public:
    explicit PdfPrintSink(std::string path, SinkOpener openSink = openFileSink)
        : path_(std::move(path)), openSink_(std::move(openSink)) {}
    void print(const ReportDocument& document) override;

private:
    std::string path_; // native path bytes
    SinkOpener openSink_;
};

} // namespace torval
