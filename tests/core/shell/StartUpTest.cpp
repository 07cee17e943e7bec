#include "shell/StartUp.h"

#include "AppState.h"
#include "shell/Configuration.h"
#include "shell/Disclaimer.h"
#include "shell/Platform.h"
#include "shell/Text.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

void expectDisclaimer(const Message& shown) {
    EXPECT_EQ(shown, (Message{std::string(DisclaimerText), std::string(DisclaimerTitle),
                              MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok}));
}

// A state as a previous session could have left it, so that start-up has to set every value.
AppState usedState() {
    AppState state;
    state.AnalysisState = Analysis::Saved;
    state.LastMediumOption = Medium::Air;
    state.GraphCommand = "old ";
    state.AppSettings.AirDataPath = "/old/air";
    return state;
}

// <prefix>/bin/torval finds its files, and the viewer's link, in <prefix>/share/torval.
TEST(StartUp, AnInstalledCopyTakesItsFilesFromTheSharedDirectory) {
    const testing::ScratchDirectory prefix("installed");
    const std::string bin = joinPath(prefix.path(), "bin");
    const std::string shared = joinPath(prefix.path(), "share/torval");
    ASSERT_TRUE(std::filesystem::create_directories(bin));
    ASSERT_TRUE(std::filesystem::create_directories(shared));
    AppState state;
    testing::RecordingPrompter prompter;
    StartUp(state, prompter, bin, systemProgramDirectory());

    EXPECT_EQ(state.AppPath, shared);
    EXPECT_EQ(state.AppSettings.RiskDataPath, joinPath(shared, "SampleDat"));
    EXPECT_EQ(state.GraphCommand, joinPath(shared, "charton/charton") + " ");
}

TEST(StartUp, WithoutAConfigurationFileTakesTheDefaultsAndWritesNothing) {
    const testing::ScratchDirectory program("startup");
    AppState state = usedState();
    testing::RecordingPrompter prompter;

    StartUp(state, prompter, program.path(), systemProgramDirectory());

    EXPECT_EQ(state.AppSettings, DefaultSettings(state.AppPath, joinPath(state.AppPath, "TempData"),
                                                 state.AppSettings.TextEditorPath));
    EXPECT_FALSE(state.AppSettings.GraphProgramPath.empty());
    EXPECT_EQ(state.GraphCommand, state.AppSettings.GraphProgramPath + " ");
    EXPECT_FALSE(FileExists(state.IniFilePath));
    EXPECT_EQ(state.AnalysisState, Analysis::Changed);
    EXPECT_EQ(state.LastMediumOption, Medium::Groundwater);
    ASSERT_EQ(prompter.messages.size(), 1u);
    expectDisclaimer(prompter.messages.front());
}

TEST(StartUp, AConfigurationThatFailsToReadIsReportedBeforeTheDisclaimer) {
    const testing::ScratchDirectory program("startup");
    const std::string filler = std::string(100, 'x') + "\r\n";
    std::string oversized = "[General]\r\nTextEditor=/usr/bin/Vi\r\n";
    while (oversized.size() <= MaxConfigurationBytes) {
        oversized += filler;
    }
    program.writeFile("torval.ini", oversized);
    AppState state = usedState();
    testing::RecordingPrompter prompter;

    StartUp(state, prompter, program.path(), "/usr/bin");

    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text.rfind(upperCase(state.IniFilePath), 0), 0u)
        << prompter.messages[0].text;
    expectDisclaimer(prompter.messages[1]);
    EXPECT_EQ(state.AppSettings.TextEditorPath, "/usr/bin/Vi");
    EXPECT_EQ(state.GraphCommand, " ");
    EXPECT_EQ(state.LastMediumOption, Medium::Groundwater);
}

} // namespace
} // namespace torval
