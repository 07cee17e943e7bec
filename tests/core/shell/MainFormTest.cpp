#include "shell/MainForm.h"

#include "shell/RunTimeError.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;

// The risk file choice, which can be scripted to fail, and the analysis window; each records
// what it was asked to do.
struct Services : RiskFileOpener, AnalysisWindow {
    std::vector<std::string> calls;
    int failWith = 0; // a run-time code raised by the risk file choice

    bool chooseAndRead(AppState&) override {
        calls.push_back("open");
        if (failWith != 0) {
            throw RunTimeError(failWith);
        }
        return true;
    }
    void show(AppState&) override { calls.push_back("analysis"); }

    MainWindowServices all() {
        MainWindowServices services;
        services.riskFiles = this;
        services.analysisWindow = this;
        return services;
    }
};

TEST(MainForm, AFailedFileStepIsReportedAndTaggedAsAFileErrorUntilTheNextCommand) {
    AppState state;
    RecordingPrompter prompter;
    Services services;
    services.failWith = ErrorCode::FileNotFound;
    MainForm form(state, prompter, services.all());

    form.chooseMenuItem(MainMenu::File, MainFileItem::OpenApplication);

    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(prompter.messages[0].title, "File not found.");
    EXPECT_EQ(form.tag(), "File Error");
    EXPECT_EQ(services.calls, (std::vector<std::string>{"open"}));
    EXPECT_EQ(form.statusText(), "Status: ready");

    services.failWith = 0;
    form.chooseMenuItem(MainMenu::File, MainFileItem::OpenApplication);
    EXPECT_EQ(services.calls, (std::vector<std::string>{"open", "open", "analysis"}));
    EXPECT_EQ(form.tag(), "");
    EXPECT_EQ(state.AnalysisState, Analysis::Saved);
    EXPECT_TRUE(state.RiskFileOpened);
}

} // namespace
} // namespace torval
