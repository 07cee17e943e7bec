// A 32,767-evaluation Monte Carlo calculation through the analysis window (offscreen: its
// event pump runs the queued events and brings the progress bar up to date between
// evaluations) against the same calculation on the form alone with a pump that does nothing.
// The difference is what keeping the window responsive costs.

#include "../MonteCarloRun.h"
#include "intake/AnalysisForm.h"
#include "ui/QtEventPump.h"
#include "ui/RiskAnalysisWindow.h"

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <memory>

namespace {

using montecarlobench::Evaluations;
using montecarlobench::reference;

// The concentration and two parameters varied, the other parameters typed.
void enterAnalysis(torval::AnalysisForm& form, torval::AppState& state) {
    form.selectConcentration(2);
    state.MonteCarloCount = Evaluations + 1; // the option change reset it
    form.editEntry(12, reference("1.5", 1));
    form.editEntry(14, reference("2", 2));
    form.editEntry(15, "365");
    form.editEntry(16, reference("30", 3));
    form.editEntry(17, "70");
    form.editEntry(18, "70");
}

void BM_CalculationWithoutWindow(benchmark::State& run) {
    torval::AppState state;
    montecarlobench::generateValues(state);
    montecarlobench::SilentPrompter prompter;
    montecarlobench::IdlePump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    torval::AnalysisForm form(state, prompter, services);
    form.load();
    enterAnalysis(form, state);
    for (auto _ : run) {
        form.CalculationCommand();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_CalculationWithoutWindow)->Unit(benchmark::kMillisecond);

void BM_CalculationThroughWindow(benchmark::State& run) {
    torval::AppState state;
    montecarlobench::generateValues(state);
    montecarlobench::SilentPrompter prompter;
    torval::QtEventPump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    auto window = std::make_unique<torval::RiskAnalysis>(state, prompter, services, QString());
    window->showAnalysis();
    enterAnalysis(window->form(), state);
    QApplication::processEvents();
    for (auto _ : run) {
        window->calculationAction()->trigger();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_CalculationThroughWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
