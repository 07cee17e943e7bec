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

        const Message& message = onlyMessage(prompter);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.title, "Warning");
        EXPECT_EQ(message.icon, MessageIcon::Information);
        EXPECT_EQ(form->controls().focusedRow, c.focusedRow);
        EXPECT_EQ(form->controls().tabPage, AnalysisPages::Intake);
        EXPECT_EQ(state.ResultCount, 77) << "the calculation must not start";
        EXPECT_FALSE(prompter.isBusy());
    }
}

// Ri 2, C 1.5, Fe 365, Dt 70, Wb 70, Tavg 70: 2 x 1.5 x 365 x 70 / 4900.
TEST_F(CalculationDriverTest, ARegularCalculationMakesOneEvaluation) {
    openInputMode();
    typeDrinkingWater("1.5");

    form->CalculationCommand();

    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(state.ResultCount, 2);
    EXPECT_EQ(state.IntakeResults.upper(), 1);
    EXPECT_DOUBLE_EQ(state.IntakeResults.at(1), 15.642857142857142);
    EXPECT_EQ(state.riskInput.ResultText, "15.6428571428571");
    EXPECT_EQ(text(20), "15.6429");
    EXPECT_EQ(state.AnalysisState, Analysis::Calculated);
    EXPECT_FALSE(state.ResultsOutdated);
    EXPECT_EQ(services.pumps, 2); // once before the run, once before the evaluation
    const AnalysisControls& controls = form->controls();
    EXPECT_TRUE(controls.menus.item(AnalysisMenu::Results, ResultsItem::View).enabled);
    EXPECT_FALSE(controls.menus.item(AnalysisMenu::Results, ResultsItem::Graphics).enabled);
    EXPECT_TRUE(controls.menus.item(AnalysisMenu::Results, ResultsItem::Risk).enabled);
    EXPECT_TRUE(controls.menus.item(AnalysisMenu::File, FileItem::ExportCsv).enabled);
    EXPECT_EQ(controls.statusText, "Status: ready");
    EXPECT_FALSE(controls.progress.visible || controls.stopVisible);
    EXPECT_FALSE(prompter.isBusy());
}

TEST_F(CalculationDriverTest, AMonteCarloCalculationEvaluatesEveryIteration) {
    struct Case {
        std::int32_t monteCarloCount;
        int evaluations;
        bool tooFew;
        float lastProgress;
    };
    const std::vector<Case> cases = {
        {101, 100, false, static_cast<float>(100.0 / 101 * 100)},
        {3, 2, false, static_cast<float>(2.0 / 3 * 100)},
        {2, 1, true, 0.0F},
        {1, 0, true, 0.0F},
        {0, 0, true, 0.0F}, // reset by a pathway change, never generated again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monteCarloCount);
        reset();
        openInputMode();
        typeDrinkingWater(reference("1", 1));
        generate(1, 100);
        state.MonteCarloCount = c.monteCarloCount;

        form->CalculationCommand();

        EXPECT_EQ(state.riskInput.ResultText, "Monte Carlo");
        EXPECT_EQ(text(20), "Monte Carlo");
        EXPECT_EQ(state.ResultCount, c.monteCarloCount);
        EXPECT_EQ(services.pumps, 1 + c.evaluations);
        for (int i = 1; i <= c.evaluations; ++i) {
            EXPECT_DOUBLE_EQ(state.IntakeResults.at(i), 2 * (1000 + i) * 365 * 70 / 4900.0);
        }
        EXPECT_EQ(form->controls().progress.value, c.lastProgress);
        EXPECT_FALSE(state.ResultsOutdated) << "the run went to its end";
        EXPECT_EQ(form->controls().menus.item(AnalysisMenu::Results, ResultsItem::Graphics).enabled,
                  c.monteCarloCount >= 3);
        EXPECT_EQ(
            form->controls().menus.item(AnalysisMenu::Results, ResultsItem::Sensitivity).enabled,
            c.monteCarloCount >= 3);
        if (!c.tooFew) {
            EXPECT_TRUE(prompter.messages.empty());
            continue;
        }
        const Message& message = onlyMessage(prompter);
        EXPECT_EQ(message.text, "Number of Monte Carlo simulations is less than 2 so that Monte "
                                "Carlo analysis cannot be done.\rPlease click Monte Carlo button "
                                "to generate simulation data and then recalculate.");
        EXPECT_EQ(message.title, "Error Information");
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
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

        const Message& question = onlyMessage(prompter);
        EXPECT_EQ(question.text, "Do you want to stop computation process?\r\rIf YES is "
                                 "selected the output viewed through the Results menu would "
                                 "not be correct.");
        EXPECT_EQ(question.title, "Stop Calculation");
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.defaultButton, MessageAnswer::No);
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
