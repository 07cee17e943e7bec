#include "print/DefaultPrinterSink.h"
#include "print/PdfPrintSink.h"
#include "print/ReportLayout.h"
#include "shell/RunTimeError.h"
#include "support/ScratchDirectory.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPrinterInfo>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::ScratchDirectory;

ReportItem text(std::string t, bool bold = false) {
    return {ReportItem::Kind::Text, std::move(t), 0, 12, bold, false};
}
ReportItem tab(int column) {
    return {ReportItem::Kind::Tab, "", column, 12, false, false};
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ReportPainterLayout, PlacesTabsAtColumnsAndBreaksPages) {
    const QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetricsF regular(reportFont(12, false, false), &device);
    const qreal average = regular.averageCharWidth();
    const std::string longLabel = "  Skin Surface Area Available for Contact (As): ";
    const qreal longWidth =
        QFontMetricsF(reportFont(12, true, false), &device).horizontalAdvance(longLabel.c_str());
    struct Case {
        std::vector<ReportItem> items;
        qreal valueX; // of the line's last text
    };
    const std::vector<Case> cases = {
        {{text("Model: ", true), tab(20), text("v")}, 19 * average},
        {{tab(10), text("0.5")}, 9 * average},
        {{tab(1), text("x")}, 0},
        {{text(longLabel, true), tab(30), text("1")}, longWidth + regular.horizontalAdvance(' ')}};
    for (const Case& c : cases) {
        const ReportLayout layout = layOutReport({{ReportLine{c.items}}}, device, 1000);
        EXPECT_NEAR(layout.texts.back().origin.x(), c.valueX, 0.01);
    }

    const qreal spacing = regular.lineSpacing();
    const int perPage = 20;
    const ReportLayout layout = layOutReport(
        {std::vector<ReportLine>(2 * perPage + 1, {{text("a")}})}, device, perPage * spacing + 0.5);
    ASSERT_EQ(layout.pageCount, 3);
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        EXPECT_EQ(layout.texts[i].page, static_cast<int>(i) / perPage);
        EXPECT_EQ(layout.texts[i].origin.y(), layout.texts[i % perPage].origin.y());
    }
}

TEST(ReportPainterPdf, WritesEveryPageAndText) {
    const ScratchDirectory scratch("report-pdf");
    ReportDocument document{
        {{{text("Risk Assessment Model", true)}, 14},
         {{text("  Skin Surface Area: ", true), tab(30), text("23000 cm\u00B2")}}}};
    const bool hasPdfToText = std::system("pdftotext -v >/dev/null 2>&1") == 0;
    for (const std::size_t values : {0, 200}) {
        SCOPED_TRACE(values);
        document.lines.resize(2 + values, ReportLine{{tab(10), text("1.5E-07")}});
        PdfPrintSink(scratch.path("r.pdf")).print(document);

        const std::string pdf = fileText(scratch.path("r.pdf"));
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        const std::size_t pages = occurrences(pdf, "/Type /Page\n");
        EXPECT_EQ(pages > 1, values > 0);
        if (!hasPdfToText) {
            continue;
        }
        const std::string command =
            "pdftotext " + scratch.path("r.pdf") + " " + scratch.path("r.txt");
        ASSERT_EQ(std::system(command.c_str()), 0);
        const std::string words = fileText(scratch.path("r.txt"));
        EXPECT_EQ(occurrences(words, "\f"), pages);
        EXPECT_EQ(occurrences(words, "1.5E-07"), values);
        for (const char* line : {"Risk Assessment Model", "Skin Surface Area:", "23000 cm\u00B2"}) {
            EXPECT_EQ(occurrences(words, line), 1u) << line;
        }
    }
}

int failureCode(PrintSink&& sink) {
    try {
        sink.print({});
    } catch (const RunTimeError& failure) {
        return failure.code();
    }
    return 0;
}

// A disk that takes only the first hundred bytes.
class FullDisk : public ByteSink {
public:
    bool write(std::string_view bytes) override { return bytes.size() <= 100; }
    bool close() override { return true; }
};

TEST(ReportPainterSinks, RaiseTheCodeOfWhatIsMissingAndKeepThePreviousReport) {
    const ScratchDirectory scratch("report-sinks");
    EXPECT_EQ(failureCode(PdfPrintSink(scratch.path("missing/r.pdf"))), ErrorCode::DiskNotReady);
    scratch.writeFile("r.pdf", "previous report");
    const SinkOpener full = [](const std::string&, const std::string&) {
        return std::make_unique<FullDisk>();
    };
    EXPECT_EQ(failureCode(PdfPrintSink(scratch.path("r.pdf"), full)), ErrorCode::DiskFull);
    EXPECT_EQ(fileText(scratch.path("r.pdf")), "previous report");
    EXPECT_EQ(scratch.names(), std::vector<std::string>{"r.pdf"});
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(failureCode(DefaultPrinterSink()), ErrorCode::DeviceUnavailable);
    }
}

} // namespace
} // namespace torval
