#include "shell/MainForm.h"

#include "shell/RunTimeError.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;

// The medium dialog (manual input chosen) and the analysis window, which share the name of
// their one function and so cannot both be overridden by one class.
struct MediumDialog : NewApplicationDialog {
    std::vector<std::string>& calls;
    explicit MediumDialog(std::vector<std::string>& record) : calls(record) {}
    void show(AppState& state) override {
        calls.push_back("medium");
        state.MediumCode = Medium::Input;
    }
};

struct Window : AnalysisWindow {
    std::vector<std::string>& calls;
    explicit Window(std::vector<std::string>& record) : calls(record) {}
    void show(AppState&) override { calls.push_back("analysis"); }
};

// Records what each service was asked to do; a failure can be scripted into the file steps.
struct Services : DataFileLoader,
                  RiskFileOpener,
                  PreferencesOpener,
                  PrinterSetupDialog,
                  HelpDesk,
                  ApplicationExit {
    std::vector<std::string> calls;
    MediumDialog dialog{calls};
    Window window{calls};
    int failWith = 0; // a run-time code raised by the risk file choice

    bool chooseAndLoad(AppState&) override { return true; }
    bool chooseAndRead(AppState&) override {
        calls.push_back("open");
        if (failWith != 0) {
            throw RunTimeError(failWith);
        }
        return true;
    }
    void showModal(AppState&) override { calls.push_back("preferences"); }
    void showPrinterSetup() override { calls.push_back("printer"); }
    void showHelp(const HelpRequest& request) override {
        calls.push_back("help " + std::to_string(request.command) + " " +
                        std::to_string(request.context));
    }
    void showTechnicalSupport() override { calls.push_back("support"); }
    void showAbout() override { calls.push_back("about"); }
    void exitNow() override { calls.push_back("exit"); }

    MainWindowServices all() {
        MainWindowServices services;
        services.newApplication = &dialog;
        services.dataFiles = this;
        services.riskFiles = this;
        services.readRiskFile = [this](AppState&, std::string_view path) {
            calls.push_back("read " + std::string(path));
            return path != "missing.tvl";
        };
        services.analysisWindow = &window;
        services.preferences = this;
        services.printer = this;
        services.help = this;
        services.exit = this;
        return services;
    }
};

struct CommandCase {
    MainMenu menu;
    int index;
    std::vector<std::string> calls;
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
    EXPECT_EQ(form.tag(), "");
    EXPECT_EQ(state.AnalysisState, Analysis::Saved);
    EXPECT_TRUE(state.RiskFileOpened);
}

} // namespace
} // namespace torval
