// torval: the desktop program. Start-up, the disclaimer and the main window; an analysis named
// on the command line is opened once the main window is up, as Open Application opens one.

#include "AppState.h"
#include "ui/DesktopProgram.h"

#include <CLI/CLI.hpp>
#include <QApplication>
#include <iostream>
#include <string>

namespace {

constexpr int ExitUsage = 2;

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"TORVAL exposure assessment system", "torval"};
    std::string analysis;
    app.add_option("ANALYSIS", analysis, "a saved analysis (*.tvl) to open after start-up");
    app.set_version_flag("--version", std::string("torval ") + TORVAL_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) { // --help and --version
        return app.exit(done);
    } catch (const CLI::ParseError& failure) {
        std::cerr << "torval: " << failure.what() << '\n' << app.help();
        return ExitUsage;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torval"));
    QApplication::setApplicationVersion(QStringLiteral(TORVAL_VERSION));
    torval::AppState state;
    torval::DesktopProgram program(state);
    program.start();
    if (!analysis.empty()) {
        program.openAnalysis(analysis);
    }
    return QApplication::exec();
}
