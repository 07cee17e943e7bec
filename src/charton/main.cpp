// charton: the plot viewer for TORVAL's results file. `charton FILE` opens the file;
// `--snapshot OUT.png` renders the window into an image and quits (also without a display, on
// the offscreen platform), `--tab N` picks the tab shown and `--log` the logarithmic x axis.

#include "ChartonWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTabWidget>
#include <cstdio>

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
    parser.addOptions({snapshotOption, tabOption, logOption});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A torval.plt results file."));
    parser.process(app);

    torval::charton::ChartonWindow window;
    window.setLogScale(parser.isSet(logOption));
    const QStringList files = parser.positionalArguments();
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
