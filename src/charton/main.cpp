// charton: the plot viewer for TORVAL's results file. `charton FILE` opens the file;
// `--snapshot OUT.png` renders the window into an image and quits (also without a display, on
// the offscreen platform), `--tab N` picks the tab shown and `--log` the logarithmic x axis.
// `--statistics [--threshold DOSE] FILE` prints the statistics instead, with no window at all.

#include "ChartonWindow.h"
#include "StatisticsText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTabWidget>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

namespace {

int snapshot(torval::charton::ChartonWindow& window, const QString& path) {
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "charton: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

bool wantsStatistics(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--statistics") {
            return true;
        }
    }
    return false;
}

int printStatistics(const QStringList& files, const QString& thresholdText) {
    if (files.size() != 1) {
        std::fprintf(stderr, "charton: --statistics needs one FILE\n");
        return 2;
    }
    std::optional<double> threshold;
    if (!thresholdText.isEmpty()) {
        bool isNumber = false;
        threshold = thresholdText.toDouble(&isNumber);
        if (!isNumber || !(*threshold > 0)) {
            std::fprintf(stderr, "charton: the threshold must be a number above 0\n");
            return 2;
        }
    }
    try {
        const torval::charton::ResultsFile results =
            torval::charton::loadResultsFile(QFile::encodeName(files.first()).toStdString());
        std::fputs(torval::charton::statisticsText(results, threshold).c_str(), stdout);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "charton: cannot read %s: %s\n", qPrintable(files.first()),
                     error.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Statistics go to the terminal, so they need no display and no window system.
    const std::unique_ptr<QCoreApplication> app =
        wantsStatistics(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                    : std::make_unique<QApplication>(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TORVAL"));
    QApplication::setApplicationName(QStringLiteral("charton"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plot viewer for TORVAL results files"));
    parser.addHelpOption();
    const QCommandLineOption snapshotOption(
        QStringLiteral("snapshot"), QStringLiteral("Render the window into a PNG and quit."),
        QStringLiteral("OUT.png"));
    const QCommandLineOption tabOption(QStringLiteral("tab"),
                                       QStringLiteral("Tab to show (from 1)."), QStringLiteral("N"),
                                       QStringLiteral("1"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Logarithmic x axis."));
    const QCommandLineOption statisticsOption(
        QStringLiteral("statistics"), QStringLiteral("Print the statistics of FILE and quit."));
    const QCommandLineOption thresholdOption(
        QStringLiteral("threshold"),
        QStringLiteral("With --statistics, also the fraction above DOSE mg/(kg-day)."),
        QStringLiteral("DOSE"));
    parser.addOptions({snapshotOption, tabOption, logOption, statisticsOption, thresholdOption});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A torval.plt results file."));
    parser.process(*app);
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(statisticsOption)) {
        return printStatistics(files, parser.value(thresholdOption));
    }

    torval::charton::ChartonWindow window;
    window.setLogScale(parser.isSet(logOption));
    if (parser.isSet(snapshotOption)) {
        if (files.isEmpty()) {
            std::fprintf(stderr, "charton: --snapshot needs a FILE\n");
            return 2;
        }
        const QString problem = window.open(files.first());
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "charton: %s\n", qPrintable(problem));
            return 1;
        }
        window.tabs()->setCurrentIndex(parser.value(tabOption).toInt() - 1);
        return snapshot(window, parser.value(snapshotOption));
    }
    window.show();
    if (!files.isEmpty()) {
        window.openOrWarn(files.first());
    }
    return QApplication::exec();
}
