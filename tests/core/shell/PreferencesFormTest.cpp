#include "shell/PreferencesForm.h"

#include "shell/Configuration.h"
#include "shell/DesktopEnvironment.h"
#include "shell/DirectoryForm.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"
#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;
using testing::ScratchDirectory;
using testing::ScriptedFileDialogs;
using Setting = std::string AppSettings::*;

const std::string Sep(1, nativeSeparator());

// An application directory of its own with an editor, some existing data directories and a
// temporary directory that does not exist.
class PreferencesFormTest : public ::testing::Test {
protected:
    PreferencesFormTest() {
        for (const char* d : {"bin", "SampleDat", "data/air", "data/grndwatr", "data/surface"}) {
            dir.makeDirectory(d);
        }
        dir.writeFile("bin/Editor", "");
        state.AppPath = dir.path();
        state.IniFilePath = dir.path("torval.ini");
        AppSettings& s = state.AppSettings;
        s.TextEditorPath = dir.path("bin") + Sep + "Editor";
        s.RiskDataPath = dir.path("SampleDat");
        s.TempDataPath = dir.path("Missing") + Sep + "Temp";
        s.AirDataPath = dir.path("data") + Sep + "air";
        s.GroundwaterDataPath = dir.path("data") + Sep + "grndwatr";
        s.SurfaceDataPath = dir.path("data") + Sep + "surface";
        s.PlantDataPath = dir.path("data") + Sep + "plant";
        s.GraphProgramPath = graphProgramPath(dir.path(), GraphVersion::New);
    }

    PreferencesForm open(bool upperCasePaths = false) {
        PreferencesEnvironment environment;
        environment.freeSpaceKB = [this](std::string_view directory) {
            asked.emplace_back(directory);
            if (!freeKB) {
                throw RunTimeError(ErrorCode::DiskNotReady);
            }
            return *freeKB;
        };
        environment.upperCasePaths = upperCasePaths;
        return PreferencesForm(state, prompter, dialogs, environment);
    }

    ScratchDirectory dir{"preferences"};
    AppState state;
    RecordingPrompter prompter;
    ScriptedFileDialogs dialogs;
    std::optional<double> freeKB = 2048.0;
    std::vector<std::string> asked;
};

struct FreeSpaceCase {
    std::optional<double> kilobytes;
    std::string shown;
};

TEST_F(PreferencesFormTest, FreeSpaceOfTheApplicationDirectoryIsShownInThousands) {
    const std::vector<FreeSpaceCase> cases = {
        {0.0, " KBs"},        {0.4, " KBs"},         {0.5, "1 KBs"},
        {999.5, "1,000 KBs"}, {2048.0, "2,048 KBs"}, {1234567.4, "1,234,567 KBs"},
        {std::nullopt, ""},
    };
    for (const FreeSpaceCase& c : cases) {
        SCOPED_TRACE(c.kilobytes ? std::to_string(*c.kilobytes) : "no answer");
        freeKB = c.kilobytes;
        asked.clear();
        EXPECT_EQ(open().freeSpaceText(), c.shown);
        EXPECT_EQ(asked, std::vector<std::string>{state.AppPath});
    }
    EXPECT_TRUE(prompter.messages.empty());
}

struct BrowseCase {
    int command;
    int field;
    Setting setting;
};

TEST_F(PreferencesFormTest, ADirectoryBrowseStoresTheChosenDirectoryAtOnce) {
    using S = AppSettings;
    const std::vector<BrowseCase> cases = {
        {1, 1, &S::RiskDataPath},        {2, 2, &S::TempDataPath},    {3, 4, &S::AirDataPath},
        {4, 3, &S::GroundwaterDataPath}, {5, 5, &S::SurfaceDataPath}, {6, 6, &S::PlantDataPath},
    };
    for (const BrowseCase& c : cases) {
        SCOPED_TRACE("browse " + std::to_string(c.command));
        const std::string before = state.AppSettings.*c.setting;
        const std::string chosen = "/chosen/" + std::to_string(c.command);
        PreferencesForm form = open();
        dialogs.directoryChoices.clear();
        dialogs.answers = {"  " + chosen + " "};

        form.browseDirectory(c.command);

        ASSERT_EQ(dialogs.directoryChoices.size(), 1u);
        const DirectoryChoice& asked = dialogs.directoryChoices[0];
        EXPECT_EQ(asked.initialDirectory, DirectoryExists(before) ? before : "");
        EXPECT_EQ(state.AppSettings.*c.setting, chosen);
        EXPECT_EQ(state.SelectedDirectory, chosen);
        EXPECT_EQ(form.fieldText(c.field), chosen);
        EXPECT_FALSE(form.changed());
    }
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(FileExists(state.IniFilePath));
}

struct EditorPickCase {
    std::string what;
    std::optional<std::string> picked;
    bool upperCasePaths;
    std::string expected; // "" keeps the editor as it was
};

TEST_F(PreferencesFormTest, OnlyAnExistingFileBecomesTheEditor) {
    dir.writeFile("bin/Kate", "");
    const std::string kate = dir.path("bin") + Sep + "Kate";
    const std::vector<EditorPickCase> cases = {
        {"cancelled", std::nullopt, false, ""},
        {"an empty name", "  ", false, ""},
        {"a file that does not exist", dir.path("bin") + Sep + "Nothing", false, ""},
        {"a directory", dir.path("bin"), false, ""},
        {"an existing file keeps its case", " " + kate + " ", false, kate},
        {"upper-cased where case does not matter", kate, true, upperCase(kate)},
    };
    const std::string original = state.AppSettings.TextEditorPath;
    for (const EditorPickCase& c : cases) {
        SCOPED_TRACE(c.what);
        state.AppSettings.TextEditorPath = original;
        PreferencesForm form = open(c.upperCasePaths);
        dialogs.answers = {c.picked};
        form.browseTextEditor();
        const std::string expected = c.expected.empty() ? original : c.expected;
        EXPECT_EQ(state.AppSettings.TextEditorPath, expected);
        EXPECT_EQ(form.fieldText(0), c.upperCasePaths ? upperCase(expected) : expected);
        EXPECT_FALSE(form.changed());
    }
    EXPECT_TRUE(prompter.messages.empty());
}

// A save that fails is reported and keeps the changed flag; once the directory is there, the
// save applies the trimmed fields and the graph choice and writes the file.
TEST_F(PreferencesFormTest, SaveAppliesTheTrimmedFieldsAndTheGraphChoiceAndWritesTheFile) {
    state.AppSettings.GraphProgramPath = "/elsewhere/" + upperCase(executableName("charton1"));
    state.IniFilePath = dir.path("gone") + Sep + "torval.ini";
    PreferencesForm form = open();
    EXPECT_EQ(form.graphVersion(), GraphVersion::Original);
    form.enterField(4);
    form.setFieldText(4, "   /typed/air  ");
    form.leaveField(4);

    EXPECT_FALSE(form.save());
    EXPECT_TRUE(form.changed());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, "Disk Not ready");
    EXPECT_FALSE(FileExists(state.IniFilePath));

    dir.makeDirectory("gone");
    ASSERT_TRUE(form.save());

    const std::string original = graphProgramPath(state.AppPath, GraphVersion::Original);
    EXPECT_EQ(original, dir.path("charton") + Sep + executableName("charton1"));
    EXPECT_EQ(state.AppSettings.AirDataPath, "/typed/air");
    EXPECT_EQ(state.AppSettings.GraphProgramPath, original);
    EXPECT_EQ(state.GraphCommand, original + " ");
    EXPECT_EQ(LoadConfiguration(state.IniFilePath), state.AppSettings);
    EXPECT_FALSE(form.changed());
    EXPECT_EQ(prompter.messages.size(), 1u);
}

struct CloseCase {
    std::string what;
    std::optional<std::string> typed;    // into the surface water field, which is then left
    std::optional<MessageAnswer> answer; // to the question, asked when the trimmed text changed
    bool closes;
    bool written;
};

TEST_F(PreferencesFormTest, ClosingAsksAboutUnsavedTypingOnly) {
    const Message question{"Path settings have been changed.\r\rDo you want to save changes?",
                           "Save changes", MessageIcon::Question, MessageButtons::YesNoCancel,
                           MessageAnswer::Yes};
    const std::string surface = state.AppSettings.SurfaceDataPath;
    const std::vector<CloseCase> cases = {
        {"nothing typed", std::nullopt, std::nullopt, true, false},
        {"only blanks added", "  " + surface + "   ", std::nullopt, true, false},
        {"Yes saves and stays open", " /typed/yes ", MessageAnswer::Yes, false, true},
        {"No closes without saving", "/typed/no", MessageAnswer::No, true, false},
        {"Cancel closes without saving", "/typed/cancel", MessageAnswer::Cancel, true, false},
        {"emptied", "", MessageAnswer::No, true, false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(state.IniFilePath);
        state.AppSettings.SurfaceDataPath = surface;
        prompter = RecordingPrompter();
        PreferencesForm form = open();
        if (c.typed) {
            form.enterField(5);
            form.setFieldText(5, *c.typed);
            form.leaveField(5);
            EXPECT_EQ(state.AppSettings.SurfaceDataPath, surface) << "applied only by a save";
        }
        if (c.answer) {
            prompter.answers = {*c.answer};
        }

        EXPECT_EQ(form.requestClose(), c.closes);

        EXPECT_EQ(prompter.messages,
                  c.answer ? std::vector<Message>{question} : std::vector<Message>{});
        EXPECT_EQ(FileExists(state.IniFilePath), c.written);
        EXPECT_EQ(state.AppSettings.SurfaceDataPath, c.written ? "/typed/yes" : surface);
        EXPECT_FALSE(prompter.isBusy());
        if (!c.closes) {
            EXPECT_TRUE(form.requestClose());
            EXPECT_EQ(prompter.messages.size(), 1u);
        }
    }
}

} // namespace
} // namespace torval
