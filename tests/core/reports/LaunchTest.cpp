#include "MonteCarloOutputTesting.h"
#include "reports/ResultsViewing.h"
#include "reports/Viewers.h"
#include "shell/Platform.h"
#include "shell/PlatformLauncher.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

namespace torval {
namespace {

struct LaunchCall {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const LaunchCall&) const = default;
};
using Calls = std::vector<LaunchCall>;

struct RecordingLauncher : Launcher {
    Calls launches;
    void start(const std::string& program, const std::vector<std::string>& arguments) override {
        launches.push_back({program, arguments});
    }
};

struct CountingPump : EventPump {
    int pumps = 0;
    void pump() override { ++pumps; }
};

class Launch : public ::testing::Test {
protected:
    testing::ScratchDirectory scratch{"launch"};
    testing::RecordingPrompter prompter;
    RecordingLauncher launcher;
    AppState state;
    const std::string plotFile = scratch.path("temp") + nativeSeparator() + "torval.plt";

    void SetUp() override {
        scratch.writeFile("charton", "");
        scratch.writeFile("editor", "");
        scratch.makeDirectory("temp");
        state.GraphCommand = scratch.path("charton") + " ";
        state.AppSettings.TextEditorPath = " " + scratch.path("editor");
        state.AppSettings.TempDataPath = scratch.path("temp");
        state.modelData.ModelName = "Input";
        state.riskInput.ResultText = "0.5";
        state.ResultCount = 2;
    }

    std::string plotText(std::size_t length) const {
        std::ifstream in(plotFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {}).substr(0, length);
    }
};

TEST_F(Launch, MessagesOrAStartedProgram) {
    struct Case {
        bool plot;
        bool fileThere;
        bool programThere;
        std::string text; // "" when the program is started
        std::string title;
    };
    const std::string file = scratch.path("out file.plt");
    const std::string graph = upperCase(state.GraphCommand);
    const std::string editor = upperCase(state.AppSettings.TextEditorPath);
    // clang-format off
    const std::vector<Case> cases = {
        {true, false, true, "Unable to find the output graph file: " + upperCase(file) + ".", "Drive Read Only"},
        {true, true, false,
         "Unable to find Charton utility: " + graph +
             ".\r\rCharton program must be present at the above location.",
         "Missing Charton Utility"},
        {true, true, true, "", ""},
        {false, false, true, "Unable to find the output file: " + upperCase(file) + ".", "Drive Read Only"},
        {false, true, false,
         "Unable to find selected text editor: " + editor +
             ".\r\rPlease select an appropriate text editor before using this option.",
         "Missing Text Editor"},
        {false, true, true, "", ""},
    };
    // clang-format on
    CountingPump pump;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title + (c.plot ? " plot" : " editor"));
        testing::RecordingPrompter messages;
        RecordingLauncher started;
        const std::string program = scratch.path(c.plot ? "charton" : "editor");
        std::filesystem::remove(file);
        std::filesystem::remove(program);
        if (c.fileThere) {
            scratch.writeFile("out file.plt", "x");
        }
        if (c.programThere) {
            scratch.writeFile(c.plot ? "charton" : "editor", "");
        }
        messages.setBusy(true);
        if (c.plot) {
            LaunchPlot(state, file, messages, started, &pump);
        } else {
            LaunchEditor(state, file, messages, started);
        }
        EXPECT_FALSE(messages.isBusy());
        const Calls calls = c.text.empty() ? Calls{{program, {file}}} : Calls{};
        const std::vector<Message> shown =
            c.text.empty() ? std::vector<Message>{}
                           : std::vector<Message>{{c.text, c.title, MessageIcon::Exclamation}};
        EXPECT_EQ(started.launches, calls);
        EXPECT_EQ(messages.messages, shown);
    }
    EXPECT_EQ(pump.pumps, 1);
}

TEST_F(Launch, ViewResultsWritesTheFileAndReportsFailures) {
    std::filesystem::remove(scratch.path("charton"));
    ViewResults(state, "Chartix", prompter, launcher);
    EXPECT_EQ(plotText(35), "Monte Carlo\r\nType: Concentrations\r\n");
    ViewResults(state, "Numbers", prompter, launcher);
    EXPECT_EQ(launcher.launches, (Calls{{scratch.path("editor"), {plotFile}}}));

    state.AppSettings.TempDataPath = scratch.path("gone");
    ViewResults(state, "Numbers", prompter, launcher);
    ASSERT_EQ(prompter.messages.size(), 2U);
    EXPECT_EQ(prompter.messages[0].title, "Missing Charton Utility");
    EXPECT_EQ(prompter.messages[1].title, "Disk Not ready");
    EXPECT_FALSE(prompter.isBusy());
    EXPECT_EQ(launcher.launches.size(), 1U);
}

TEST_F(Launch, MonteCarloOutputOnlyWithGeneratedVariants) {
    AppState monteCarlo = testing::monteCarloOutputs();
    monteCarlo.GraphCommand = state.GraphCommand;
    monteCarlo.AppSettings = state.AppSettings;
    ViewMonteCarloOutput(monteCarlo, prompter, launcher, "Chartix");
    EXPECT_EQ(plotText(30), "Monte Carlo\r\nType: Generated\r\n");
    EXPECT_EQ(launcher.launches, (Calls{{scratch.path("charton"), {plotFile}}}));

    std::filesystem::remove(plotFile);
    monteCarlo.ResultTGData.at(1, 2).Selected = false;
    monteCarlo.ResultTGData.at(3, 2).Selected = false;
    ViewMonteCarloOutput(monteCarlo, prompter, launcher, "Numbers");
    EXPECT_FALSE(std::filesystem::exists(plotFile));
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(prompter.messages[0].text, "No output data to be viewed.");
}

} // namespace
} // namespace torval
