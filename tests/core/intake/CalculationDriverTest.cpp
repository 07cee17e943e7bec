#include "core/intake/AnalysisFormFixture.h"
#include "intake/Pathways.h"

#include <limits>

namespace torval::testing {
namespace {

using CalculationDriverTest = AnalysisFormTest;

const Message& onlyMessage(const RecordingPrompter& prompter) {
    EXPECT_EQ(prompter.messages.size(), 1U);
    static const Message none;
    return prompter.messages.empty() ? none : prompter.messages.front();
}

TEST_F(CalculationDriverTest, RefusesTheFirstBadEntryAndPutsTheFocusOnIt) {
    struct Case {
        const char* name;
        std::string concentration; // typed into the specified row
        std::string wb;
        std::string tavg;
        int option;
        std::string text;
        int focusedRow;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"the concentration first", "", "", "", 2, "Specified Concentration is empty!\r", 12},
        {"then the parameters", "1", "", "", 2, "Body Weight (Wb): is empty!\r", 17},
        {"the average when it is chosen", "1", "70", "70", 0, "Average Concentration is empty!\r", 10},
        {"not a number", "1 mg", "70", "70", 2, "Specified Concentration is not a numeric value!\r", 12},
        {"zero body weight", "1", "0", "70", 2, "Body Weight (Wb): is equal to zero!\r", 17},
        {"negative body weight", "1", "-70", "70", 2, "Body Weight (Wb): is less than zero!\r", 17},
        {"blanks only", "1", "   ", "70", 2, "Body Weight (Wb): is empty!\r", 17},
        {"the trimmed caption names Tavg", "1", "70", "", 2, "Average Time Period of Exposure (Tavg): is empty!\r", 18},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        openInputMode();
        typeDrinkingWater(c.concentration, c.wb);
        type(18, c.tavg);
        form->selectConcentration(c.option);
        form->focusEntry(6);
        state.ResultCount = 77;

        form->CalculationCommand();

        EXPECT_EQ(onlyMessage(prompter), (Message{c.text, "Warning", MessageIcon::Information}));
        EXPECT_EQ(form->controls().focusedRow, c.focusedRow);
        EXPECT_EQ(form->controls().tabPage, AnalysisPages::Intake);
        EXPECT_EQ(state.ResultCount, 77) << "the calculation must not start";
        EXPECT_FALSE(prompter.isBusy());
    }
}

// Ri 2, Fe 365, Dt 70, Wb 70, Tavg 70 and a concentration of base + i at evaluation i: typed
// for a regular calculation (1.5 at i = 1), generated for a Monte Carlo one (1000 + i).
TEST_F(CalculationDriverTest, ACalculationEvaluatesOnceOrEveryIteration) {
    struct Case {
        std::string concentration;
        double base;
        std::int32_t monteCarloCount;
        std::int32_t resultCount;
        int evaluations;
        bool tooFew;
        float lastProgress;
        std::string result; // the result text
        std::string shown;  // the intake row
    };
    const std::string mc = "Monte Carlo";
    const Message tooFew{"Number of Monte Carlo simulations is less than 2 so that Monte Carlo "
                         "analysis cannot be done.\rPlease click Monte Carlo button to generate "
                         "simulation data and then recalculate.",
                         "Error Information", MessageIcon::Critical};
    const std::string generated = reference("1", 1);
    // clang-format off
    const std::vector<Case> cases = {
        {"1.5", 0.5, 0, 2, 1, false, 0.0F, "15.6428571428571", "15.6429"},
        {generated, 1000, 101, 101, 100, false, static_cast<float>(100.0 / 101 * 100), mc, mc},
        {generated, 1000, 3, 3, 2, false, static_cast<float>(2.0 / 3 * 100), mc, mc},
        {generated, 1000, 2, 2, 1, true, 0.0F, mc, mc},
        {generated, 1000, 1, 1, 0, true, 0.0F, mc, mc},
        // Reset by a pathway change, never generated again.
        {generated, 1000, 0, 0, 0, true, 0.0F, mc, mc},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.concentration.substr(0, 20) + std::to_string(c.monteCarloCount));
        reset();
        openInputMode();
        typeDrinkingWater(c.concentration);
        generate(1, 100);
        state.MonteCarloCount = c.monteCarloCount;

        form->CalculationCommand();

        EXPECT_EQ(state.riskInput.ResultText, c.result);
        EXPECT_EQ(text(20), c.shown);
        EXPECT_EQ(state.ResultCount, c.resultCount);
        if (c.resultCount > 0) {
            EXPECT_EQ(state.IntakeResults.upper(), c.resultCount - 1);
        }
        EXPECT_EQ(services.pumps, 1 + c.evaluations); // one before the run, one before each
        for (int i = 1; i <= c.evaluations; ++i) {
            EXPECT_DOUBLE_EQ(state.IntakeResults.at(i), 2 * (c.base + i) * 365 * 70 / 4900.0);
        }
        EXPECT_EQ(state.AnalysisState, Analysis::Calculated);
        EXPECT_FALSE(state.ResultsOutdated) << "the run went to its end";
        const AnalysisControls& controls = form->controls();
        EXPECT_EQ(controls.progress.value, c.lastProgress);
        EXPECT_FALSE(controls.progress.visible || controls.stopVisible);
        EXPECT_EQ(controls.statusText, "Status: ready");
        EXPECT_FALSE(prompter.isBusy());
        for (const int item : {ResultsItem::View, ResultsItem::Risk}) {
            EXPECT_TRUE(controls.menus.item(AnalysisMenu::Results, item).enabled) << item;
        }
        EXPECT_TRUE(controls.menus.item(AnalysisMenu::File, FileItem::ExportCsv).enabled);
        for (const int item : {ResultsItem::Graphics, ResultsItem::Sensitivity}) {
            EXPECT_EQ(controls.menus.item(AnalysisMenu::Results, item).enabled, c.resultCount >= 3)
                << item;
        }
        EXPECT_EQ(prompter.messages,
                  c.tooFew ? std::vector<Message>{tooFew} : std::vector<Message>{});
    }
}

TEST_F(CalculationDriverTest, AStopTakesEffectBeforeTheNextEvaluation) {
    struct Case {
        MessageAnswer answer;
        bool stopped;
    };
    for (const Case& c : {Case{MessageAnswer::Yes, true}, Case{MessageAnswer::No, false}}) {
        SCOPED_TRACE(c.stopped ? "Yes" : "No");
        reset();
        openInputMode();
        typeDrinkingWater(reference("1", 1));
        generate(1, 100);
        state.riskInput.ResultText = "12.5";
        // Pump 1 comes before the run, pump k + 1 before evaluation k: Stop at evaluation 50.
        services.onPump = [&](int pump) {
            if (pump == 51) {
                prompter.answers.push_back(c.answer);
                form->StopCommand();
                EXPECT_EQ(prompter.isBusy(), !c.stopped);
            }
        };

        form->CalculationCommand();

        EXPECT_EQ(onlyMessage(prompter),
                  (Message{"Do you want to stop computation process?\r\rIf YES is selected the "
                           "output viewed through the Results menu would not be correct.",
                           "Stop Calculation", MessageIcon::Question, MessageButtons::YesNo,
                           MessageAnswer::No}));
        EXPECT_NE(state.IntakeResults.at(49), 0.0);
        EXPECT_EQ(state.IntakeResults.at(50) != 0.0, !c.stopped);
        EXPECT_EQ(services.pumps, c.stopped ? 51 : 101);
        EXPECT_EQ(state.ResultsOutdated, c.stopped);
        EXPECT_FALSE(state.StopRequested);
        EXPECT_EQ(state.riskInput.ResultText, c.stopped ? "12.5" : "Monte Carlo");
        EXPECT_TRUE(form->controls().dataAreaEnabled);
        EXPECT_TRUE(form->controls().menus.menu(AnalysisMenu::File).enabled);
        EXPECT_FALSE(prompter.isBusy());
    }
}

TEST_F(CalculationDriverTest, AFailingEvaluationEndsTheRunWithItsMessage) {
    struct Case {
        double generated; // the generated body weight of evaluation 3
        std::string title;
        int iterations = 5;
        int failing = 3;
    };
    const std::vector<Case> cases = {
        {0.0, "Division by zero"},
        {std::numeric_limits<double>::infinity(), "Type Mismatch Error"}, // its text is "inf"
        {1e-300, "Overflow"},                                             // 1e300 / 7e-299
        {std::numeric_limits<double>::max(), "Overflow"}, // rounds to 15 digits beyond a double
        {1003, "Overflow", 32768, 32768}, // as generated: the evaluation number overflows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        reset();
        openInputMode();
        form->driver().setPumpInterval(CalculationDriver::DefaultPumpInterval);
        typeDrinkingWater("1e300", reference("70", 1));
        generate(1, c.iterations);
        state.SavedSimulatedValues.at(1, 3, 1) = c.generated;
        state.riskInput.ResultText = "previous";

        form->CalculationCommand();

        EXPECT_EQ(onlyMessage(prompter).title, c.title);
        EXPECT_TRUE(state.ResultsOutdated);
        EXPECT_EQ(state.riskInput.ResultText, "previous");
        EXPECT_NE(state.IntakeResults.at(c.failing - 1), 0.0);
        for (int i = c.failing; i <= c.iterations; ++i) {
            EXPECT_EQ(state.IntakeResults.at(i), 0.0);
        }
        EXPECT_TRUE(form->controls().dataAreaEnabled);
    }
}

// A reference to an iteration never generated is not reported: the evaluation goes on with
// what the working copy holds, the previous value, or nothing at the first evaluation.
TEST_F(CalculationDriverTest, AMissingGeneratedValueReusesTheWorkingCopy) {
    openInputMode();
    typeDrinkingWater("1");
    type(16, reference("30", 2)); // Dt
    generate(2, 3);
    state.MonteCarloCount = 6;

    form->CalculationCommand();

    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(state.ResultsOutdated);
    for (const int i : {3, 4, 5}) {
        EXPECT_DOUBLE_EQ(state.IntakeResults.at(i), 2 * 365 * 2003.0 / 4900);
    }

    type(17, reference("70", 9)); // Wb: nothing in the working copy yet
    form->CalculationCommand();
    EXPECT_EQ(onlyMessage(prompter).title, "Type Mismatch Error");
    EXPECT_TRUE(state.ResultsOutdated);
}

} // namespace
} // namespace torval::testing
