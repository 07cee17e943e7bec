#include "analysisfile/RiskFileDialog.h"

#include "analysisfile/RiskDataFile.h"
#include "analysisfile/RiskFileService.h"
#include "datafiles/DataFileOpening.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"
#include "support/ScriptedFileDialogs.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;
using testing::ScratchDirectory;
using testing::ScriptedFileDialogs;

const std::vector<FileFilter> RiskFilters = {{"Risk Data (*.tvl)", "*.tvl"}};

TEST(RiskFileDialog, SaveAsksForANameOnlyWhenItMustAndNeverReplacesWithoutAYes) {
    struct Case {
        std::string name;
        SaveCommand command;
        std::string fileName;              // under the scratch directory; "" for a new analysis
        std::optional<std::string> answer; // the dialog's answer under the scratch directory
        std::optional<MessageAnswer> overwrite; // the answer to "Overwrite File", when asked
        std::string written;                    // the file written, "" for none
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"plain save of an existing file", SaveCommand::Save, "old.tvl", {}, {}, "old.tvl"},
        {"plain save of a new analysis", SaveCommand::Save, "", "fresh", {}, "fresh.tvl"},
        {"any dot keeps the answer", SaveCommand::Save, "", "fresh.v1", {}, "fresh.v1"},
        {"save as into an existing file, yes", SaveCommand::SaveAs, "old.tvl", "old.tvl", MessageAnswer::Yes, "old.tvl"},
        {"save as into an existing file, no", SaveCommand::SaveAs, "old.tvl", "old", MessageAnswer::No, ""},
        {"save as cancelled", SaveCommand::SaveAs, "old.tvl", std::nullopt, {}, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDirectory scratch("riskfile-dialog");
        scratch.writeFile("old.tvl", "old");
        AppState state;
        const std::string before = c.fileName.empty() ? "" : scratch.path(c.fileName);
        state.riskInput.FileName = before;
        ScriptedFileDialogs dialogs;
        const bool asks = c.command == SaveCommand::SaveAs || c.fileName.empty();
        if (asks) {
            dialogs.answers.push_back(c.answer ? std::optional(scratch.path(*c.answer))
                                               : std::nullopt);
        }
        RecordingPrompter prompter;
        if (c.overwrite) {
            prompter.answers.push_back(*c.overwrite);
        }
        RiskFileService service(dialogs, prompter);

        EXPECT_EQ(service.save(state, c.command), !c.written.empty());
        ASSERT_EQ(dialogs.saveChoices.size(), asks ? 1u : 0u);
        if (asks) {
            EXPECT_EQ(dialogs.saveChoices[0].title, "Save Data File As");
            EXPECT_EQ(dialogs.saveChoices[0].filters, RiskFilters);
            EXPECT_EQ(dialogs.saveChoices[0].proposedName, c.fileName);
        }
        ASSERT_EQ(prompter.messages.size(), c.overwrite ? 1u : 0u);
        if (c.overwrite) {
            EXPECT_EQ(prompter.messages[0].title, "Overwrite File");
        }
        EXPECT_EQ(state.riskInput.FileName, c.written.empty() ? before : scratch.path(c.written));
        EXPECT_EQ(std::filesystem::file_size(scratch.path("old.tvl")) > 3, c.written == "old.tvl");
        if (!c.written.empty()) {
            EXPECT_TRUE(std::filesystem::exists(scratch.path(c.written)));
        }
        EXPECT_FALSE(prompter.isBusy());
    }
}

TEST(RiskFileDialog, OpenReadsAnExistingFileAndReportsAMissingOne) {
    ScratchDirectory scratch("riskfile-open");
    AppState saved;
    RecordingPrompter prompter;
    ASSERT_TRUE(WriteRiskDataFile(saved, prompter, scratch.path("kept.tvl")));

    struct Case {
        std::string answer;
        bool read;
        std::string title; // of the message shown, "" for none
    };
    const std::vector<Case> cases = {
        {"kept.tvl", true, ""},
        {"missing.tvl", false, "File not found."},
        {"kept", false, "File not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        AppState state;
        state.AppSettings.RiskDataPath = scratch.path();
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(scratch.path(c.answer));
        RecordingPrompter shown;
        RiskFileService service(dialogs, shown);
        EXPECT_EQ(service.chooseAndRead(state), c.read);
        ASSERT_EQ(dialogs.openChoices.size(), 1u);
        EXPECT_EQ(dialogs.openChoices[0].title, "Open Data File");
        EXPECT_EQ(dialogs.openChoices[0].initialDirectory, scratch.path());
        EXPECT_EQ(state.riskInput.FileName, c.read ? scratch.path(c.answer) : "");
        EXPECT_EQ(shown.messages.empty() ? "" : shown.messages[0].title, c.title);
        EXPECT_FALSE(shown.isBusy());
    }
}

} // namespace
} // namespace torval
