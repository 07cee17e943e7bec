#include "reports/PrintCommand.h"

#include "reports/TextReportRenderer.h"
#include "shell/RunTimeError.h"
#include "support/RecordingPrompter.h"
#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace torval {
namespace {

// Fails with its code, or (code 0) keeps what it printed.
struct FakeSink : PrintSink {
    FakeSink(int code, std::vector<ReportDocument>& printed) : code(code), printed(printed) {}
    void print(const ReportDocument& document) override {
        code == 0 ? printed.push_back(document) : throw RunTimeError(code);
    }
    int code;
    std::vector<ReportDocument>& printed;
};

struct PrintCase {
    const char* name;
    int printerFailure;
    std::optional<MessageAnswer> answer;              // to the PDF question
    std::optional<std::optional<std::string>> dialog; // the save dialog's answer
    int pdfFailure;
    PrintOutcome outcome;
    std::vector<std::string> titles; // of the messages shown, in order
    std::string pdfPath;             // "" when no PDF sink is made
};

TEST(PrintCommand, FallsBackToPdfOnlyWhenThereIsNoPrinter) {
    const std::optional<std::string> cancel;
    const std::vector<std::string> noPrinter = {"TORVAL", "TORVAL"};
    const std::vector<std::string> pdfFailed = {"TORVAL", "TORVAL", "Disk Not ready"};
    const auto yes = MessageAnswer::Yes;
    // clang-format off
    const std::vector<PrintCase> cases = {
        {"printer works", 0, {}, {}, 0, PrintOutcome::Printed, {}, ""},
        {"answered No", 68, MessageAnswer::No, {}, 0, PrintOutcome::NotPrinted, noPrinter, ""},
        {"dialog cancelled", 68, yes, cancel, 0, PrintOutcome::NotPrinted, noPrinter, ""},
        {"extension added", 68, yes, "/o/r", 0, PrintOutcome::SavedAsPdf, noPrinter, "/o/r.pdf"},
        {"extension kept", 68, yes, "/o/A.PDF", 0, PrintOutcome::SavedAsPdf, noPrinter, "/o/A.PDF"},
        {"pdf failed", 68, yes, "/ro/a.pdf", 71, PrintOutcome::NotPrinted, pdfFailed, "/ro/a.pdf"},
        {"other failure", 71, {}, {}, 0, PrintOutcome::NotPrinted, {"Disk Not ready"}, ""},
    };
    // clang-format on
    const ReportDocument document{{ReportLine{{ReportItem{.text = "Risk"}}, 14}}};
    for (const PrintCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing::RecordingPrompter prompter;
        testing::ScriptedFileDialogs dialogs;
        if (c.answer) {
            prompter.answers = {MessageAnswer::Ok, *c.answer}; // the 68 message, the question
        }
        if (c.dialog) {
            dialogs.answers.push_back(*c.dialog);
        }
        std::vector<ReportDocument> printed;
        std::string pdfPath;
        FakeSink printer(c.printerFailure, printed);
        PrintCommand command(printer, prompter, dialogs, [&](const std::string& path) {
            pdfPath = path;
            return std::make_unique<FakeSink>(c.pdfFailure, printed);
        });

        EXPECT_EQ(command.run(document), c.outcome);
        std::vector<std::string> titles;
        for (const Message& m : prompter.messages) {
            titles.push_back(m.title);
        }
        EXPECT_EQ(titles, c.titles);
        if (c.answer) {
            EXPECT_EQ(prompter.messages.at(0).text, "The requested device is not available.");
            EXPECT_EQ(prompter.messages.at(1), pdfInsteadQuestion());
        }
        const std::vector<FileFilter> pdfFilter = {{"PDF (*.pdf)", "*.pdf"}};
        ASSERT_EQ(dialogs.saveChoices.size(), c.dialog ? 1u : 0u);
        EXPECT_TRUE(!c.dialog || dialogs.saveChoices[0].filters == pdfFilter);
        EXPECT_EQ(pdfPath, c.pdfPath);
        EXPECT_EQ(printed.size(), c.outcome == PrintOutcome::NotPrinted ? 0u : 1u);
        EXPECT_FALSE(prompter.isBusy());
    }
}

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
