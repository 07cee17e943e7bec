#include "shell/DirectoryForm.h"

#include "AppState.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using Names = std::vector<std::string>;

const std::string AirFiles =
    "Air Files" + std::string(58, ' ') + ":*.frm;*.tbx;*.cwh;*.jry;*.box;*.gas";
const std::string AllFiles = "All Files" + std::string(49, ' ') + ":*.*";

// A data directory as the browser finds it: two subdirectories (one hidden beside them), air
// files in both cases and files of other kinds.
class DirectoryFormTest : public ::testing::Test {
protected:
    DirectoryFormTest() : scratch_("browser") {
        scratch_.makeDirectory("plumex");
        scratch_.makeDirectory("Archive");
        scratch_.makeDirectory(".cache");
        scratch_.writeFile("run.box", "data");
        scratch_.writeFile("PLUME.GAS", "data");
        scratch_.writeFile("notes.txt", "data");
        scratch_.writeFile("README", "data");
        scratch_.writeFile("plumex/site.gas", "data");
    }

    std::string path(const std::string& name = {}) const {
        return name.empty() ? scratch_.path() : scratch_.path(name);
    }

    DirectoryForm open(const std::string& start) {
        return DirectoryForm(state_, prompter_, start, {AirFiles, AllFiles});
    }

    AppState state_;
    testing::RecordingPrompter prompter_;

private:
    testing::ScratchDirectory scratch_;
};

struct OkCase {
    std::string what;
    std::string text;
    bool closes;
    std::string selected;       // SelectedDirectory afterwards
    std::string refusedMessage; // "" when no message is shown
};

TEST_F(DirectoryFormTest, OkAcceptsOnlyAnExistingPath) {
    const std::string missing = path("no-such-directory");
    const std::vector<OkCase> cases = {
        {"blanks only", "   ", false, "before", ""},
        {"a directory, with blanks", "  " + path("plumex") + " ", true, path("plumex"), ""},
        {"an existing file", path("run.box"), true, path("run.box"), ""},
        {"a missing directory", " " + missing, false, "before",
         "Directory selected:   " + upperCase(missing) +
             " does not exists.\r\rPlease select an appropriated directory."},
    };
    for (const OkCase& c : cases) {
        SCOPED_TRACE(c.what);
        state_.SelectedDirectory = "before";
        prompter_.messages.clear();
        DirectoryForm form = open(path());
        form.setText(c.text);

        EXPECT_EQ(form.ok(), c.closes);
        EXPECT_EQ(state_.SelectedDirectory, c.selected);
        const Message refusal{c.refusedMessage, "TORVAL", MessageIcon::None, MessageButtons::Ok,
                              MessageAnswer::Ok};
        EXPECT_EQ(prompter_.messages,
                  c.refusedMessage.empty() ? std::vector<Message>{} : std::vector{refusal});
    }
}

TEST_F(DirectoryFormTest, AnUnreadableDriveIsReportedAndTheListsStay) {
    DirectoryForm form = open(path("plumex"));
    const std::string drive = form.drive();

    form.changeDrive(path("no-such-drive"));
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages.front().text, "The requested device is not available.");
    EXPECT_EQ(prompter_.messages.front().title, "TORVAL");
    EXPECT_EQ(form.directory(), path("plumex"));
    EXPECT_EQ(form.drive(), drive);

    form.changeDrive(drive); // already there: the directory of that drive stays
    EXPECT_EQ(form.directory(), path("plumex"));
    EXPECT_EQ(prompter_.messages.size(), 1u);
}

} // namespace
} // namespace torval
