// torval-screenshots OUTDIR: renders every window of the desktop program into PNG files, so a
// reviewer can see the program without a screen (run it on the offscreen platform, as
// scripts/screenshots does). It starts the program as torval does, answers the disclaimer
// itself, and then puts each window on the screen and grabs it.

#include "AppState.h"
#include "analysisfile/RiskDataFile.h"
#include "datafiles/ChemicalSelectionForm.h"
#include "intake/AnalysisForm.h"
#include "intake/DataFileLoading.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloSaveRestore.h"
#include "shell/DirectoryForm.h"
#include "shell/HelpDesk.h"
#include "shell/NewForm.h"
#include "shell/PreferencesForm.h"
#include "ui/AboutDialog.h"
#include "ui/ChemicalSelectionDialog.h"
#include "ui/DesktopProgram.h"
#include "ui/DirectoryFormDialog.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MonteCarloDialog.h"
#include "ui/NewFormDialog.h"
#include "ui/PreferencesFormDialog.h"
#include "ui/QtText.h"
#include "ui/RiskAnalysisWindow.h"
#include "ui/RiskDialog.h"
#include "ui/SensitivityDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <iostream>
#include <optional>
#include <stogen/GeneratorRequest.h>
#include <string>
#include <utility>

namespace {

// The window's contents under a title bar with its caption, as a window manager frames it.
QPixmap framed(const QPixmap& contents, const QString& caption) {
    constexpr int TitleBarHeight = 28;
    QPixmap picture(contents.width(), contents.height() + TitleBarHeight);
    picture.fill(QColor(58, 62, 74));
    QPainter painter(&picture);
    QFont font = QApplication::font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, contents.width() - 20, TitleBarHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, caption);
    painter.drawPixmap(0, TitleBarHeight, contents);
    return picture;
}

bool saveGrab(QWidget& widget, const QDir& outDir, const QString& name) {
    widget.show();
    widget.raise();
    for (int round = 0; round < 5; ++round) {
        QApplication::processEvents();
    }
    const QString path = outDir.filePath(name + QStringLiteral(".png"));
    const bool saved = framed(widget.grab(), widget.windowTitle()).save(path);
    std::cout << (saved ? "wrote " : "could not write ") << path.toStdString() << '\n';
    return saved;
}

// A message box shown while the analyses are grabbed would wait for a user: it is reported and
// answered with its default button, and the grabs go on.
void answerStrayMessages(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::cerr << "message: " << box->windowTitle().toStdString() << ": "
                      << box->text().toStdString() << '\n';
            box->defaultButton() != nullptr ? box->defaultButton()->click() : box->accept();
        }
    });
    timer.start(50);
}

// The analysis window on the shipped analyses: a typed-in concentration, a groundwater plume
// with its intervals and saved result, and a Monte Carlo analysis calculated afresh.
bool grabAnalyses(torval::DesktopProgram& program, const torval::AppState& state,
                  const QDir& outDir) {
    QTimer strayMessages;
    answerStrayMessages(strayMessages);
    const QDir samples(QDir(torval::qText(state.AppPath)).filePath(QStringLiteral("SampleDat")));
    struct Shot {
        const char* file;
        int page;
        bool calculate;
        const char* name;
    };
    const Shot shots[] = {
        {"drinking-water-input.tvl", 1, false, "analysis-input"},
        {"pce-plume-drinking-water.tvl", 0, false, "analysis-groundwater-intervals"},
        {"pce-plume-drinking-water.tvl", 1, false, "analysis-groundwater-intake"},
        {"drinking-water-monte-carlo.tvl", 1, true, "analysis-monte-carlo"},
    };
    bool ok = true;
    for (const Shot& shot : shots) {
        if (!program.openAnalysis(samples.filePath(QString::fromLatin1(shot.file)).toStdString())) {
            std::cerr << "torval-screenshots: cannot open " << shot.file << '\n';
            ok = false;
            continue;
        }
        torval::RiskAnalysis& window = *program.analysisWindow();
        if (shot.calculate) {
            window.calculationAction()->trigger();
        }
        window.tabs()->setCurrentIndex(shot.page);
        ok = saveGrab(window, outDir, QString::fromLatin1(shot.name)) && ok;
    }
    return ok;
}

// The file dialog of a data-file open, answered with one file.
class GivenFile : public torval::FileDialogs {
public:
    explicit GivenFile(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> openFile(const torval::FileChoice&) override { return path_; }
    std::optional<std::string> saveFile(const torval::FileChoice&) override { return {}; }
    std::optional<std::string> browseDirectory(const torval::DirectoryChoice&) override {
        return {};
    }

private:
    std::string path_;
};

// The chemical window over the species of a shipped multiple-species groundwater file.
bool grabChemicalWindow(torval::Prompter& prompter, const QDir& programDir, const QDir& outDir) {
    torval::AppState state;
    state.MediumCode = torval::Medium::GroundwaterMultipleSpecies;
    GivenFile dialogs(torval::stdText(
        programDir.filePath(QStringLiteral("PLUMEXData/grndwatr/pce-tce-chain.mc2"))));
    if (!torval::OpenModelDataFile(state, dialogs, prompter, torval::DataFileReaders::standard())) {
        return false;
    }
    torval::ChemicalSelectionForm form(state, prompter);
    torval::ChemicalSelectionDialog dialog(form);
    return saveGrab(dialog, outDir, QStringLiteral("chemical-window"));
}

// The Monte Carlo window as the analysis opens it on a shipped Monte Carlo analysis, after a
// generation and with the arithmetic mean of the first variant chosen.
class GrabbedMonteCarloWindow : public torval::MonteCarloWindow {
public:
    GrabbedMonteCarloWindow(torval::Prompter& prompter, QDir outDir)
        : prompter_(prompter), outDir_(std::move(outDir)) {}

    void show(torval::AppState& state, const std::vector<torval::AnalysisEntry>& parameters,
              std::string_view calculationKind) override {
        torval::MonteCarloForm form(state, prompter_,
                                    {parameters, torval::AnalysisCallerTag, calculationKind},
                                    {&monteCarlo, &latinHypercube});
        torval::MonteCarloDialog window(form, nullptr, nullptr);
        window.show();
        window.generateButton()->click();
        emit window.resultGrid()->cellDoubleClicked(0, torval::ResultColumn::ArithmeticMean);
        grabbed = saveGrab(window, outDir_, QStringLiteral("monte-carlo-window"));
    }
    void applySelection(torval::AppState&, std::vector<torval::AnalysisEntry>&) override {}

    bool grabbed = false;

private:
    torval::Prompter& prompter_;
    QDir outDir_;
};

bool grabMonteCarloWindow(torval::Prompter& prompter, const QDir& programDir, const QDir& outDir) {
    torval::AppState state;
    const QString analysis =
        programDir.filePath(QStringLiteral("SampleDat/drinking-water-monte-carlo.tvl"));
    if (!torval::ReadRiskDataFile(state, prompter, torval::stdText(analysis))) {
        return false;
    }
    GrabbedMonteCarloWindow window(prompter, outDir);
    torval::AnalysisServices services;
    services.monteCarlo = &window;
    torval::AnalysisForm form(state, prompter, services);
    form.load();
    form.MonteCarloCommand();
    return window.grabbed;
}

// The shipped Monte Carlo analysis calculated as the analysis window calculates it, for the
// windows of its results.
std::optional<torval::AppState> calculatedMonteCarloAnalysis(torval::Prompter& prompter,
                                                             const QDir& programDir) {
    torval::AppState state;
    const QString analysis =
        programDir.filePath(QStringLiteral("SampleDat/drinking-water-monte-carlo.tvl"));
    if (!torval::ReadRiskDataFile(state, prompter, torval::stdText(analysis))) {
        return std::nullopt;
    }
    torval::AnalysisForm form(state, prompter);
    form.load();
    form.CalculationCommand();
    if (state.AnalysisState != torval::Analysis::Calculated) {
        return std::nullopt;
    }
    return state;
}

// The tornado chart, and the risk window with a slope factor and a reference dose typed in
// (kept in a settings file of the output directory's own).
bool grabResultWindows(torval::Prompter& prompter, const QDir& programDir, const QDir& outDir) {
    const std::optional<torval::AppState> state =
        calculatedMonteCarloAnalysis(prompter, programDir);
    if (!state) {
        return false;
    }
    torval::SensitivityDialog sensitivity(*state);
    bool ok = saveGrab(sensitivity, outDir, QStringLiteral("sensitivity"));
    sensitivity.hide();
    const QString settings = outDir.filePath(QStringLiteral("torval-risk.ini"));
    QFile::remove(settings);
    torval::RiskDialog risk(*state, prompter, torval::stdText(settings));
    // The shipped analysis has a typed-in concentration, so the chemical is typed too.
    const std::pair<QLineEdit*, QString> typed[] = {
        {risk.chemicalField(), QStringLiteral("Trichloroethylene")},
        {risk.slopeFactorField(), QStringLiteral("0.0059")},
        {risk.referenceDoseField(), QStringLiteral("0.0005")}};
    for (const auto& [field, text] : typed) {
        if (field == nullptr) {
            continue;
        }
        field->setText(text);
        emit field->textEdited(text);
    }
    ok = saveGrab(risk, outDir, QStringLiteral("risk")) && ok;
    risk.hide();
    QFile::remove(settings);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: torval-screenshots OUTDIR\n";
        return 2;
    }
    QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!outDir.mkpath(QStringLiteral("."))) {
        std::cerr << "torval-screenshots: cannot create " << argv[1] << '\n';
        return 1;
    }
    bool ok = true;

    // The disclaimer of start-up: grabbed, then answered as the user would.
    QTimer disclaimerAnswer;
    QObject::connect(&disclaimerAnswer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            disclaimerAnswer.stop();
            ok = saveGrab(*box, outDir, QStringLiteral("disclaimer")) && ok;
            box->button(QMessageBox::Ok)->click();
        }
    });
    disclaimerAnswer.start(10);

    torval::AppState state;
    torval::DesktopProgram program(state);
    program.start();
    torval::MainWindow& main = program.mainWindow();
    ok = saveGrab(main, outDir, QStringLiteral("main-window")) && ok;

    torval::AboutDialog about(program.prompter(), program.logoPath(), &main);
    ok = saveGrab(about, outDir, QStringLiteral("about")) && ok;
    about.hide();

    torval::SupportDialog support(&main);
    ok = saveGrab(support, outDir, QStringLiteral("support")) && ok;
    support.hide();

    torval::PreferencesForm preferences(state, program.prompter(), program.fileDialogs());
    torval::PreferencesFormDialog preferencesDialog(preferences, &main);
    ok = saveGrab(preferencesDialog, outDir, QStringLiteral("preferences")) && ok;
    preferencesDialog.hide();

    torval::NewForm newForm(state);
    torval::NewFormDialog newDialog(newForm, &main);
    ok = saveGrab(newDialog, outDir, QStringLiteral("new-application")) && ok;
    newDialog.hide();

    const std::string riskFiles = "Risk Files" + std::string(52, ' ') + ":*.tvl";
    const std::string allFiles = "All Files" + std::string(49, ' ') + ":*.*";
    torval::DirectoryForm directoryForm(state, program.prompter(), state.AppSettings.RiskDataPath,
                                        {riskFiles, allFiles});
    torval::DirectoryFormDialog directoryDialog(directoryForm, &main);
    ok = saveGrab(directoryDialog, outDir, QStringLiteral("directory-browser")) && ok;
    directoryDialog.hide();

    program.showHelp({torval::HelpRequest::Context, "", torval::HelpRequest::MonteCarloTopic});
    ok = saveGrab(*program.helpWindow(), outDir, QStringLiteral("help-monte-carlo")) && ok;
    program.helpWindow()->hide();

    ok = grabAnalyses(program, state, outDir) && ok;
    const QDir programDir(torval::qText(state.AppPath));
    ok = grabChemicalWindow(program.prompter(), programDir, outDir) && ok;
    ok = grabMonteCarloWindow(program.prompter(), programDir, outDir) && ok;
    ok = grabResultWindows(program.prompter(), programDir, outDir) && ok;
    return ok ? 0 : 1;
}
