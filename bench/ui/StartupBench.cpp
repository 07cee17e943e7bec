// Start-up of the desktop program up to the main window's first paint: settling the
// directories, reading torval.ini, the disclaimer (answered at once, as a user who knows it),
// building the main window and painting it. Runs on the offscreen platform unless another is
// chosen with QT_QPA_PLATFORM.

#include "AppState.h"
#include "ui/DesktopProgram.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void BM_StartUpToFirstPaint(benchmark::State& benchState) {
    for (auto _ : benchState) {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answer.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(0);
        torval::AppState state;
        torval::DesktopOptions options;
        options.programDirectory = TORVAL_APP_DIRECTORY;
        auto program = std::make_unique<torval::DesktopProgram>(state, options);
        FirstPaint paint;
        qApp->installEventFilter(&paint);
        program->start();
        while (!paint.painted) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        benchState.PauseTiming();
        qApp->removeEventFilter(&paint);
        program.reset();
        QApplication::processEvents();
        benchState.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
