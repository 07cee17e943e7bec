// The whole stochastic path with the real generator library: the analysis window opens the
// Monte Carlo window, two parameters are varied over their whole series, and the calculation
// must evaluate the intake equation once per iteration on exactly that iteration's values.

#include "AppState.h"
#include "intake/AnalysisForm.h"
#include "intake/IntakeEquations.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloExchange.h"
#include "shell/NumberText.h"
#include "shell/Text.h"
#include "stogen/GeneratorRequest.h"
#include "stogen/SeedControl.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

constexpr int Terms = 1000;

// The user's work in the Monte Carlo window: the concentration and the ingestion rate varied,
// generated, both taking their whole series, then Exit.
class ScriptedUser : public MonteCarloPresenter {
public:
    void present(MonteCarloForm& form) override {
        const std::vector<std::string>& names = form.parameters().names;
        const std::vector<std::vector<std::string>> rows = {
            {names.at(0), "", "0.5", "3", "0.25", std::to_string(Terms), "Normal"},
            {names.at(1), "", "1", "3", "0.09", "", "Lognormal"}};
        for (int row = 1; row <= 2; ++row) {
            for (int column = 0; column < InputColumn::Count; ++column) {
                const std::string& text = rows[row - 1][column];
                if (!text.empty()) {
                    form.commitInputCell(row, column, text);
                }
            }
            means.push_back(form.inputCell(row, InputColumn::Mean));
        }
        form.GenerateCommand();
        form.ResultDoubleClick(1, ResultColumn::Variant);
        form.ResultDoubleClick(2, ResultColumn::Variant);
        form.ExitCommand();
        closed = form.closed();
    }

    std::vector<std::string> means;
    bool closed = false;
};

TEST(MonteCarloEndToEnd, EveryIterationEvaluatesTheEquationOnItsGeneratedValues) {
    AppState state;
    state.MediumCode = Medium::Input;
    state.modelData.ModelName = "input";
    testing::RecordingPrompter prompter;
    ScriptedUser user;
    MonteCarloExchange exchange(prompter, &monteCarlo, &user);
    AnalysisServices services;
    services.monteCarlo = &exchange;
    AnalysisForm form(state, prompter, services);
    form.load();
    form.selectConcentration(2);
    const std::vector<std::pair<int, std::string>> typed = {{12, "1.5"}, {14, "2"},  {15, "365"},
                                                            {16, "30"},  {17, "70"}, {18, "70"}};
    for (const auto& [row, text] : typed) {
        form.focusEntry(row);
        form.editEntry(row, text);
        form.focusElsewhere();
    }
    stogen::internal::reseed(20240607);

    form.MonteCarloCommand();
    form.CalculationCommand();

    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
    ASSERT_TRUE(user.closed);
    EXPECT_EQ(user.means, (std::vector<std::string>{"1.5", "2"}));
    EXPECT_TRUE(contains(form.row(12).text, "Monte Carlo|1.5:1"));
    EXPECT_TRUE(contains(form.row(14).text, "Monte Carlo|2:2"));
    ASSERT_EQ(state.ResultCount, Terms + 1);
    EXPECT_EQ(state.riskInput.ResultText, "Monte Carlo");
    EXPECT_NE(state.SavedSimulatedValues.at(1, 1, 1), state.SavedSimulatedValues.at(1, 2, 1));
    for (int i = 1; i <= Terms; ++i) {
        const double concentration = state.SavedSimulatedValues.at(1, i, 1);
        const double ingestionRate = state.SavedSimulatedValues.at(2, i, 1);
        ASSERT_TRUE(concentration >= 0.5 && concentration <= 3) << i;
        ASSERT_TRUE(ingestionRate >= 1 && ingestionRate <= 3) << i;
        RiskInput work = state.riskInput;
        work.Concentration = generalText(concentration);
        work.DrinkingWater.at(0) = generalText(ingestionRate);
        ASSERT_EQ(state.IntakeResults.at(i), ComputeIntake(work)) << "iteration " << i;
    }
}

} // namespace
} // namespace torval
