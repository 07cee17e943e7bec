#include "shell/ErrorReport.h"

#include "shell/RunTimeError.h"
#include "support/RecordingPrompter.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;

Message warning(std::string title, std::string text) {
    return Message{std::move(text), std::move(title), MessageIcon::Exclamation, MessageButtons::Ok,
                   MessageAnswer::Ok};
}

Message overwriteQuestion() {
    return Message{"RUN.BOX already exists. \r\r Replace existing file?", "Overwrite File",
                   MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes};
}

struct ReportCase {
    int code;
    std::optional<MessageAnswer> answer;
    std::optional<Message> shown;
    std::int16_t result;
    bool busyAfter;
    bool closesFiles;
};

TEST(ErrorReport, ShowsEachCodesMessageAndTellsTheHandlerWhatToDo) {
    constexpr bool Busy = true;
    constexpr bool Closes = true;
    const auto none = std::nullopt;
    // clang-format off
    const std::vector<ReportCase> cases = {
        {9, none, none, 0, Busy, !Closes},
        {53, none, warning("File not found.",
            "RUN.BOX not found!\r\rThe selected file: RUN.BOX is not found. Please check "
            "filename and path."), -1, !Busy, !Closes},
        {58, MessageAnswer::Yes, overwriteQuestion(), 0, Busy, !Closes},
        {58, MessageAnswer::No, overwriteQuestion(), -1, !Busy, !Closes},
        {61, none, warning("Save Emission's File Error",
            "No space left on the device.\r\rRUN.BOX cannot be saved. Please make sure there is "
            "enough free space on the disk before saving this file."), -1, !Busy, Closes},
        {62, none, warning("Improper File Name",
            "RUN.BOX is not in one of the recognized formats. \r\r Please open another file."),
            -1, !Busy, Closes},
        {64, none, warning("Improper File Name",
            "RUN.BOX is not in one of the recognized formats. \r\r Please open another file."),
            -1, !Busy, Closes},
        {71, none, warning("Disk Not ready", "Disk not ready!\r\rPlease check the disk and try again."), -1, !Busy, Closes},
        {776, none, none, -1, !Busy, Closes},
        {3022, none, warning("Duplicate Chemical Name",
            "Chemical: METHYL CHLORIDE already exists.\r\rAll chemicals must have distinct "
            "chemical names."), -1, !Busy, !Closes},
        {32755, none, none, -1, !Busy, !Closes},
        {1234, none, warning("Application Error",
            "Error Number : 1234 has occured during execution.\r\rNo error handling routine is "
            "available for this error in this software at this time."), -1, !Busy, Closes},
    };
    // clang-format on

    for (const ReportCase& c : cases) {
        SCOPED_TRACE("code " + std::to_string(c.code));
        // With and without a way to close files: a report must not depend on being given one.
        for (const bool withCloser : {true, false}) {
            SCOPED_TRACE(withCloser ? "closeAllFiles given" : "no closeAllFiles");
            RecordingPrompter prompter;
            prompter.setBusy(true); // the handler failed while the hourglass was up
            if (c.answer) {
                prompter.answers.push_back(*c.answer);
            }
            int closed = 0;
            const std::function<void()> closer = [&closed] { ++closed; };

            const std::int16_t result =
                ErrorReport(prompter, c.code, "  run.box ", " methyl chloride  ",
                            withCloser ? closer : nullptr);

            EXPECT_EQ(result, c.result);
            ASSERT_GE(prompter.busyChanges.size(), 2u);
            EXPECT_FALSE(prompter.busyChanges[1]) << "the default pointer comes back first";
            EXPECT_EQ(prompter.isBusy(), c.busyAfter);
            EXPECT_EQ(closed, withCloser && c.closesFiles ? 1 : 0);
            if (c.shown) {
                ASSERT_EQ(prompter.messages.size(), 1u);
                EXPECT_EQ(prompter.messages[0], *c.shown);
            } else {
                EXPECT_TRUE(prompter.messages.empty());
            }
        }
    }
}

struct FailureCase {
    std::string name;
    std::function<void()> fail;
    std::optional<MessageAnswer> answer;
    std::string title;     // empty: nothing shown
    std::string textHolds; // the part of the text that tells the failure's code and file apart
    std::int16_t result;
    bool closesFiles;
};

// The texts themselves are pinned down above; here it is the code that counts, and a file name
// that looks like a placeholder is shown as it is.
TEST(ErrorReport, ReportFailureReportsTheCodeOfTheFailure) {
    const auto none = std::nullopt;
    // clang-format off
    const std::vector<FailureCase> cases = {
        {"our own failure", [] { throw RunTimeError(ErrorCode::FileNotFound); },
            none, "File not found.", "{CHEM}.ONE not found!", -1, false},
        {"overwrite answered Yes", [] { throw RunTimeError(ErrorCode::FileAlreadyExists); },
            MessageAnswer::Yes, "Overwrite File", "{CHEM}.ONE already", 0, false},
        {"allocation failure", [] { throw std::bad_alloc(); }, none, "Out Of Memory", "Insufficient memory!", -1, false},
        {"standard range failure", [] { throw std::out_of_range("index"); }, none, "", "", 0, false},
        {"a failure of nobody's kind", [] { throw std::runtime_error("odd"); },
            none, "Application Error", "Error Number : 0 has", -1, true},
    };
    // clang-format on

    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrompter prompter;
        if (c.answer) {
            prompter.answers.push_back(*c.answer);
        }
        int closed = 0;
        std::int16_t result = 99;
        try {
            c.fail();
        } catch (const std::exception& failure) {
            result = reportFailure(prompter, failure, "{chem}.one", "", [&closed] { ++closed; });
        }

        EXPECT_EQ(result, c.result);
        EXPECT_EQ(closed, c.closesFiles ? 1 : 0);
        if (c.title.empty()) {
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            ASSERT_EQ(prompter.messages.size(), 1u);
            EXPECT_EQ(prompter.messages[0].title, c.title);
            EXPECT_NE(prompter.messages[0].text.find(c.textHolds), std::string::npos)
                << prompter.messages[0].text;
        }
    }
}

} // namespace
} // namespace torval
