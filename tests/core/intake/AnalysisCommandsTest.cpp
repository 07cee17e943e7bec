#include "core/intake/AnalysisFormFixture.h"

namespace torval::testing {
namespace {

using AnalysisCommandsTest = AnalysisFormTest;

TEST_F(AnalysisCommandsTest, NewStartsAFreshAnalysisOnTheChosenMedium) {
    struct Case {
        const char* name;
        std::int16_t medium;
        bool loads;
        bool started;
        std::string modelRow;
    };
    const std::vector<Case> cases = {
        {"cancelled", Medium::None, true, false, "Not Specified"},
        {"typed-in concentration", Medium::Input, true, true, "Not Specified"},
        {"a groundwater file", Medium::Groundwater, true, true, "GROUNDWATER - TWO DIMENSIONAL"},
        {"a file that is not loaded", Medium::Groundwater, false, false, "Not Specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        state.riskInput.FileName = "/home/analyst/old.tvl";
        state.riskInput.SpecifiedConc = "7";
        state.AnalysisState = Analysis::Saved;
        state.MonteCarloCount = 31;
        state.SavedMCInputRowCount = 4;
        state.SavedMCResultRowCount = 4;
        state.MCChemicalCount = 3;
        openInputMode();
        services.media = {c.medium};
        services.loads = c.loads;
        services.fillData = [](AppState& s) { fillGroundwaterXY(s); };

        form->FileCommand(FileItem::NewApplication);

        EXPECT_EQ(text(0), c.modelRow);
        EXPECT_EQ(services.loadCalls, c.medium == Medium::Groundwater ? 1 : 0);
        EXPECT_EQ(state.riskInput.FileName, c.started ? "" : "/home/analyst/old.tvl");
        EXPECT_EQ(form->controls().title,
                  c.started ? "RISK ASSESSMENT" : "RISK ASSESSMENT -- FileName: old.tvl");
        EXPECT_EQ(text(12), c.started ? "" : "7");
        EXPECT_EQ(state.AnalysisState, c.started ? Analysis::Changed : Analysis::Saved);
        EXPECT_EQ(state.MonteCarloCount, c.started ? 0 : 31);
        EXPECT_EQ(state.SavedMCInputRowCount, c.started ? 0 : 4);
        EXPECT_EQ(state.SavedMCResultRowCount, c.started ? 0 : 4);
        if (c.started) {
            EXPECT_EQ(state.riskInput.ModelDataUsed, c.medium != Medium::Input);
            EXPECT_EQ(state.modelData.DataType, c.medium == Medium::Input ? -1 : 7);
            EXPECT_EQ(state.MCChemicalCount, c.medium == Medium::Input ? 1 : 3);
        }
    }
}

TEST_F(AnalysisCommandsTest, TheMonteCarloWindowGetsTheEntriesAndWritesBackReferences) {
    openInputMode();
    typeDrinkingWater("1.5");
    type(18, "");

    form->MonteCarloCommand();
    EXPECT_EQ(services.monteCarloShown, 0) << "the entries are checked first";
    ASSERT_EQ(prompter.messages.size(), 1U);
    EXPECT_EQ(prompter.messages[0].text, "Average Time Period of Exposure (Tavg): is empty!\r");

    prompter = RecordingPrompter();
    form->editEntry(18, "Monte Carlo|70:4"); // left from an earlier exchange: stripped first
    services.assignments = {{"Specified Concentration", reference("1.5", 1)},
                            {"Body Weight (Wb):", "65.5"}};
    form->MonteCarloCommand();

    ASSERT_EQ(services.monteCarloShown, 1);
    EXPECT_EQ(services.kind, "regular");
    ASSERT_EQ(services.offered.size(), 6U);
    EXPECT_EQ(services.offered[0], (AnalysisEntry{12, "Specified Concentration", "1.5"}));
    EXPECT_EQ(services.offered[5],
              (AnalysisEntry{18, "Average Time Period of Exposure (Tavg):", "70"}));
    EXPECT_EQ(text(12), reference("1.5", 1));
    EXPECT_EQ(text(17), "65.5");
    EXPECT_EQ(form->controls().kindLabel, "Monte Carlo");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(prompter.isBusy());
}

TEST_F(AnalysisCommandsTest, OutdatedResultsAreShownOnlyAfterTheWarning) {
    struct Case {
        const char* name;
        bool outdated;
        MessageAnswer answer;
        int item;
        std::vector<std::string> viewed;
    };
    const Message question{"Input data has been changed. The results shown would be from a "
                           "previous computation.In order to update the results please press "
                           "calculate from the menu.\r\rDo you want to continue ?",
                           "Results Not Updated", MessageIcon::Question, MessageButtons::YesNo,
                           MessageAnswer::No};
    // clang-format off
    const std::vector<Case> cases = {
        {"numbers of current results", false, MessageAnswer::Ok, ResultsItem::View, {"Numbers"}},
        {"graphs of a Monte Carlo run", false, MessageAnswer::Ok, ResultsItem::Graphics, {"Chartix"}},
        {"outdated, the user goes on", true, MessageAnswer::Yes, ResultsItem::View, {"Numbers"}},
        {"outdated, the user stops", true, MessageAnswer::No, ResultsItem::Graphics, {}},
        {"sensitivity of a Monte Carlo run", false, MessageAnswer::Ok, ResultsItem::Sensitivity, {"Sensitivity"}},
        {"risk of outdated results, the user stops", true, MessageAnswer::No, ResultsItem::Risk, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        state.AnalysisState = Analysis::Calculated;
        state.riskInput.ResultText = "Monte Carlo";
        state.ResultCount = 101;
        state.ResultsOutdated = c.outdated;
        openInputMode();
        prompter.answers.push_back(c.answer);

        form->ResultsCommand(c.item);

        EXPECT_EQ(services.viewed, c.viewed);
        EXPECT_EQ(prompter.messages,
                  c.outdated ? std::vector<Message>{question} : std::vector<Message>{});
    }
}

TEST_F(AnalysisCommandsTest, OpeningAsksToSaveACalculatedAnalysisFirst) {
    struct Case {
        const char* name;
        std::int16_t analysisState;
        std::optional<MessageAnswer> answer; // nullopt: no question
        std::optional<std::string> file;     // nullopt: no file chosen
        std::vector<SaveCommand> saves;
    };
    const std::string other = "/home/analyst/other.tvl";
    const Message notSaved{"Risk data are not saved. Would you like to save the data?",
                           "Data Not Saved", MessageIcon::Exclamation, MessageButtons::YesNo,
                           MessageAnswer::Yes};
    // clang-format off
    const std::vector<Case> cases = {
        {"calculated, the user saves", Analysis::Calculated, MessageAnswer::Yes, other, {SaveCommand::Save}},
        {"calculated, the user does not", Analysis::Calculated, MessageAnswer::No, other, {}},
        {"already saved", Analysis::Saved, std::nullopt, other, {}},
        {"no file chosen", Analysis::Saved, std::nullopt, std::nullopt, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        state.AnalysisState = c.analysisState;
        openInputMode();
        form->editEntry(12, reference("2", 1));
        state.MonteCarloCount = 11;
        state.SavedMCInputRowCount = 3;
        if (c.answer) {
            prompter.answers.push_back(*c.answer);
        }
        services.riskFile = c.file;
        services.fillRisk = [&other](AppState& s) {
            s.riskInput.FileName = other;
            s.riskInput.ConcChoice = 2;
            s.riskInput.SpecifiedConc = "4";
            s.MonteCarloCount = 51; // the file's own Monte Carlo run
        };

        form->FileCommand(FileItem::OpenApplication);

        EXPECT_EQ(prompter.messages,
                  c.answer ? std::vector<Message>{notSaved} : std::vector<Message>{});
        EXPECT_EQ(services.saves, c.saves);
        if (!c.file) {
            EXPECT_EQ(state.MonteCarloCount, 11) << "nothing is reset for nothing";
            EXPECT_EQ(state.SavedMCInputRowCount, 3);
            EXPECT_EQ(text(12), reference("2", 1));
            continue;
        }
        EXPECT_EQ(services.readPaths, std::vector<std::string>{other});
        EXPECT_EQ(state.SavedMCInputRowCount, 0);
        EXPECT_EQ(state.MonteCarloCount, 51) << "the reset comes before the file is read";
        EXPECT_EQ(state.AnalysisState, Analysis::Saved);
        EXPECT_FALSE(state.RiskFileOpened) << "the window has been filled";
        EXPECT_EQ(text(12), "4");
        EXPECT_EQ(form->controls().title, "RISK ASSESSMENT -- FileName: other.tvl");
    }
}

} // namespace
} // namespace torval::testing
