// The viewer on a results file of 32,767 intakes (the most a 16-bit count allows): reading and
// summing up alone, and opening and drawing the window on the offscreen platform.

#include "ChartonWindow.h"
#include "ResultsFile.h"
#include "Statistics.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int Intakes = 32767;

std::string resultsText() {
    std::string text =
        "Monte Carlo\r\nType: Concentrations\r\nNumber of Terms: " + std::to_string(Intakes) +
        "\r\nMonte Carlo Simulation\r\nRisk Assessment for Chemical Intakes\r\n"
        "Intake of Chemicals via Drinking Water (mg/(kg-day))\r\n"
        "Concentration of Chemical: 0.05 mg/l\r\n\r\n"
        "Chemical Intake: Monte Carlo Simulation\r\n";
    std::mt19937_64 engine(7);
    std::lognormal_distribution<double> intake(std::log(5e-4), 0.6);
    char buffer[32];
    for (int i = 0; i < Intakes; ++i) {
        std::snprintf(buffer, sizeof buffer, "%.5g\r\n", intake(engine));
        text += buffer;
    }
    return text;
}

void BM_ReadAndSummarise(benchmark::State& state) {
    const std::string text = resultsText();
    for (auto _ : state) {
        const auto file = torval::charton::parseResultsFile(text);
        const auto& intakes = std::get<torval::charton::ConcentrationsResults>(file).intakes;
        const auto summary = torval::charton::summarise(intakes);
        const auto bins = torval::charton::freedmanDiaconisBins(intakes);
        benchmark::DoNotOptimize(torval::charton::histogram(intakes, bins, false));
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * Intakes);
}
BENCHMARK(BM_ReadAndSummarise)->Unit(benchmark::kMillisecond);

// From the file on disk to the painted chart, as `charton FILE` does it.
void BM_OpenAndDraw(benchmark::State& state) {
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("torval.plt"));
    QFile file(path);
    const std::string text = resultsText();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        state.SkipWithError("cannot write the results file");
        return;
    }
    file.close();
    for (auto _ : state) {
        torval::charton::ChartonWindow window;
        if (!window.open(path).isEmpty()) {
            state.SkipWithError("cannot open the results file");
            return;
        }
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenAndDraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
