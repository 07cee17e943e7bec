#include "montecarlo/MonteCarloForm.h"

#include "MonteCarloTestState.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloSaveRestore.h"
#include "shell/Text.h"
#include "support/RecordingPrompter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace torval {
namespace {

using testing::FakeGenerator;

struct Edit {
    int row;
    int column;
    std::string text;
};

const std::string Wb = "Body Weight (Wb):";
const std::string Ri = "Ingestion Rate (Ri):";

class MonteCarloFormTest : public ::testing::Test {
public:
    AppState state;
    testing::RecordingPrompter prompter;

    MonteCarloForm open(std::string_view kind = "regular") {
        state.AnalysisState = Analysis::Saved;
        prompter = {};
        FakeGenerator::reset();
        return MonteCarloForm(
            state, prompter,
            {{{12, "  Specified Concentration", "1.23456"}, {14, Ri + " ", " 7 "}, {17, Wb, "70"}},
             AnalysisCallerTag,
             kind},
            &FakeGenerator::generate);
    }

    static void apply(MonteCarloForm& form, const std::vector<Edit>& edits) {
        for (const Edit& edit : edits) {
            form.commitInputCell(edit.row, edit.column, edit.text);
        }
    }
};

TEST_F(MonteCarloFormTest, EditingRulesKeepEveryRowMeaningful) {
    struct Case {
        std::vector<Edit> edits; // the last one is checked
        MonteCarloVariant row;   // grid row 1 afterwards
        std::string message;
        std::string tableName; // variant table row 1 afterwards
    };
    const std::string notNumeric =
        "abc is not a proper input value.\r\rPlease give a numeric input.";
    // clang-format off
    const std::vector<Case> cases = {
        {{{1, 0, Wb}, {1, 0, "--REMOVE--"}}, {}, "", ""},
        {{{1, 0, Wb}, {1, 0, "remove"}}, {}, "", ""},
        {{{1, 0, Wb}, {2, 0, Ri}, {1, 0, "ingestion rate (ri):"}}, {},
         "You have selected ingestion rate (ri):, please select other parameter!", Wb},
        {{{2, 0, Ri}, {2, 5, "1000"}, {1, 0, "Specified Concentration"}},
         {"Specified Concentration", "1.2346", "", "", "", "1000", "", false}, "", ""},
        {{{1, 3, "5"}}, {}, "Please select a parameter from variant list first!", ""},
        {{{1, 0, Wb}, {1, 4, "abc"}}, {Wb, "70", "", "", "", "", "", false}, notNumeric, Wb},
        {{{1, 0, Wb}, {1, 2, " 1e1"}, {1, 0, Wb}}, {Wb, "70", " 1e1", "", "", "", "", false}, "", Wb},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edits.back().text);
        state = AppState();
        MonteCarloForm form = open();
        apply(form, {c.edits.begin(), c.edits.end() - 1});
        form.sendInputTDBDataToInputTGData();
        state.ResultTGData.at(1, 1).Variant = Wb;
        form.sendresultTGDataToResultTDBData();

        apply(form, {c.edits.back()});

        EXPECT_EQ(form.inputRow(1), c.row);
        const bool invalid = c.message == notNumeric;
        const Message shown{c.message, invalid ? "Invalid Input Data" : "Information",
                            invalid ? MessageIcon::Critical : MessageIcon::Information};
        EXPECT_EQ(prompter.messages,
                  c.message.empty() ? std::vector<Message>{} : std::vector{shown});
        EXPECT_EQ(state.InputTGData.at(1, 1).Name, c.tableName);
        const bool removed = contains(upperCase(c.edits.back().text), "REMOVE");
        EXPECT_EQ(state.ResultTGData.at(1, 1).Variant, removed ? "" : Wb);
        EXPECT_EQ(form.resultCell(1, ResultColumn::Variant), removed ? "" : Wb);
    }
}

TEST_F(MonteCarloFormTest, GenerateAndExitRegenerateOnlyForNewTerms) {
    struct Case {
        std::string kind;
        std::string termsAtExit; // "": no Exit
        std::vector<std::int32_t> counts;
        std::int16_t analysisState;
    };
    const std::vector<Case> cases = {
        {"regular", "", {11, 11}, Analysis::Saved},
        {"monte carlo", "", {11, 11}, Analysis::Changed},
        {"monte carlo", "10", {11, 11}, Analysis::Saved},
        {"monte carlo", "20", {11, 11, 21, 21}, Analysis::Changed},
        // The new values rewrite the entries that refer to them: no longer calculated.
        {"regular", "20", {11, 11, 21, 21}, Analysis::Changed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind + c.termsAtExit);
        state = AppState();
        MonteCarloForm form = open(c.kind);
        std::string helpDuringCall;
        FakeGenerator::during = [&] { helpDuringCall = form.helpCaption(); };
        for (const int row : {1, 3}) {
            apply(form, {{row, 0, row == 1 ? Wb : Ri},
                         {row, 2, "1"},
                         {row, 3, "100"},
                         {row, 4, "4"},
                         {row, 5, "10"},
                         {row, 6, "Normal"}});
        }
        form.GenerateCommand();
        EXPECT_EQ(helpDuringCall, " Please Wait...");
        if (!c.termsAtExit.empty()) {
            form.ResultDoubleClick(3, ResultColumn::Median);
            form.commitInputCell(1, InputColumn::Terms, c.termsAtExit);
            state.AnalysisState = Analysis::Saved;
            form.ExitCommand();
            EXPECT_TRUE(form.closed());
            EXPECT_EQ(state.ResultTGData.at(3, 1).Marker, "Median");
        }
        std::vector<std::int32_t> counts;
        for (const GeneratorRequest& request : FakeGenerator::requests) {
            counts.push_back(request.Count);
        }
        EXPECT_EQ(counts, c.counts);
        EXPECT_EQ(form.helpCaption(), "To update results click on the Generate menu or press F7.");
        EXPECT_EQ(state.AnalysisState, c.analysisState);
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_EQ(state.MonteCarloCount, c.counts.back());
        EXPECT_EQ(form.resultCell(1, ResultColumn::Minimum), "70");
        EXPECT_EQ(form.resultCell(3, ResultColumn::Variant), Ri);
    }
}

TEST_F(MonteCarloFormTest, ExitWithoutVariantsClosesAndGenerateReportsAFailure) {
    // A regular calculation leaves its result count (2) where the saved Monte Carlo count is
    // restored from; leaving the untouched window must not try to generate for it.
    for (const std::int32_t resultCount : {0, 2}) {
        SCOPED_TRACE(resultCount);
        state = AppState();
        state.ResultCount = resultCount;
        MonteCarloForm form = open("monte carlo");
        form.ExitCommand();
        EXPECT_TRUE(form.closed());
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_EQ(state.AnalysisState, Analysis::Saved);

        form.GenerateCommand(); // no variant: the empty number of terms is not a number
        ASSERT_EQ(prompter.messages.size(), 1U);
        EXPECT_EQ(prompter.messages[0].title, "Type Mismatch Error");
        EXPECT_TRUE(FakeGenerator::requests.empty());
        EXPECT_EQ(state.AnalysisState, Analysis::Changed);
    }
}

} // namespace
} // namespace torval
