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

void BM_CalculationWithoutWindow(benchmark::State& run) {
    montecarlobench::PreparedForm prepared;
    torval::AppState& state = prepared.state;
    torval::AnalysisForm& form = prepared.form;
    for (auto _ : run) {
        form.CalculationCommand();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_CalculationWithoutWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CalculationThroughWindow(benchmark::State& run) {
    torval::AppState state;
    montecarlobench::SilentPrompter prompter;
    torval::QtEventPump pump;
    torval::AnalysisServices services;
    services.events = &pump;
    auto window = std::make_unique<torval::RiskAnalysis>(state, prompter, services, QString());
    window->show();
    montecarlobench::prepareAnalysis(window->form(), state);
    QApplication::processEvents();
    for (auto _ : run) {
        window->calculationAction()->trigger();
        benchmark::DoNotOptimize(state.IntakeResults.at(Evaluations));
    }
    montecarlobench::expectFullCalculation(run, state);
}
BENCHMARK(BM_CalculationThroughWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
