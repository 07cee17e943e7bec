// The analysis window driven with the keyboard and the mouse: a whole groundwater analysis from
// New Application to a reopened saved file, and a long Monte Carlo run stopped halfway.

#include "ModalAnswers.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloExchange.h"
#include "stogen/GeneratorRequest.h"
#include "support/ScriptedFileDialogs.h"
#include "ui/DesktopProgram.h"
#include "ui/MainWindow.h"
#include "ui/MonteCarloDialog.h"
#include "ui/NewFormDialog.h"
#include "ui/QtEventPump.h"
#include "ui/QtPrompter.h"
#include "ui/RiskAnalysisWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace torval;

namespace {

QString shipped(const char* path) {
    return QDir(QStringLiteral(TORVAL_SHIPPED_DATA)).filePath(QString::fromLatin1(path));
}

// The window in front with the keyboard's focus, as after the user clicks its title bar.
void activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Clicks an entry and types into it, as a user moving through the rows does.
void typeInto(QLineEdit* entry, const QString& text) {
    QTest::mouseClick(entry, Qt::LeftButton);
    QTest::keyClicks(entry, text);
}

// In the Monte Carlo window: the ingestion rate varied normally over `terms`, generated (F7
// commits the distribution still being edited), its whole series taken by a double click, Exit.
void varyIngestionRate(QWidget* modal, const char* terms) {
    auto* window = qobject_cast<MonteCarloDialog*>(modal);
    QVERIFY(window != nullptr);
    QTableWidget* input = window->inputGrid();
    typeCell(input, 0, InputColumn::Name, window->parameterList()->item(1)->text(), true);
    const std::pair<int, const char*> cells[] = {{InputColumn::Minimum, "1"},
                                                 {InputColumn::Maximum, "3"},
                                                 {InputColumn::Variance, "0.25"},
                                                 {InputColumn::Terms, terms}};
    for (const auto& [column, text] : cells) {
        typeCell(input, 0, column, QString::fromLatin1(text), true);
    }
    typeCell(input, 0, InputColumn::Distribution, QStringLiteral("Normal"), false);
    QTest::keyClick(window, Qt::Key_F7);
    QTableWidget* result = window->resultGrid();
    const QPoint cell = result->visualItemRect(result->item(0, ResultColumn::Variant)).center();
    QTest::mouseClick(result->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(result->viewport(), Qt::LeftButton, {}, cell);
    window->fileAction(MonteCarloFileItem::Exit)->trigger();
}

// Answers the next message box with `button`, keeping its title and text in `seen`.
void answerNextBox(QString& seen, QMessageBox::StandardButton button) {
    onNextModal([&seen, button](QWidget* box) {
        seen = box->windowTitle() + '|' + qobject_cast<QMessageBox*>(box)->text();
        pressButton(box, button);
    });
}

void showPage(RiskAnalysis& window, int page) {
    QTabBar* bar = window.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

// The entries as an analysis file keeps them: trimmed.
std::vector<QString> entryTexts(const RiskAnalysis& window) {
    std::vector<QString> texts;
    for (int row = 0; row < AnalysisRows::Count; ++row) {
        texts.push_back(window.entry(row)->text().trimmed());
    }
    return texts;
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir programDirectory_;

private slots:
    void initTestCase() {
        QVERIFY(programDirectory_.isValid());
        for (const char* data : {"Helps", "bitmap", "SampleDat", "PLUMEXData"}) {
            QVERIFY(QFile::link(shipped(data), programDirectory_.filePath(data)));
        }
    }

    void wholeGroundwaterAnalysisIsSavedAndReopened() {
        const std::string saved = programDirectory_.filePath("whole.tvl").toStdString();
        testing::ScriptedFileDialogs dialogs;
        dialogs.answers = {shipped("PLUMEXData/grndwatr/pce-plume.tri").toStdString(), saved,
                           saved};
        AppState state;
        DesktopOptions options;
        options.programDirectory = programDirectory_.path().toStdString();
        options.fileDialogs = &dialogs;
        DesktopProgram program(state, options);
        onNextModal([](QWidget* disclaimer) { pressButton(disclaimer, QMessageBox::Ok); });
        program.start();

        onNextModal([](QWidget* widget) {
            auto* dialog = qobject_cast<NewFormDialog*>(widget);
            dialog->option(Medium::Groundwater)->click();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        program.mainWindow().toolbarAction("NEW")->trigger();
        RiskAnalysis* window = program.analysisWindow();
        QVERIFY(window != nullptr);
        activate(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("RISK ASSESSMENT"));
        QCOMPARE(window->entry(1)->text(), shipped("PLUMEXData/grndwatr/pce-plume.tri").toUpper());
        QCOMPARE(window->entry(2)->text(), QStringLiteral("0:250:25"));

        // The intervals of the shipped analysis of this plume; leaving the last one averages.
        const QStringList intervals{"50:100", "-10:10", "0:2", "2000:3000"};
        QTest::mouseClick(window->entry(6), Qt::LeftButton);
        for (const QString& interval : intervals) {
            QTest::keyClicks(QApplication::focusWidget(), interval);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(window->entry(10)->text(), QStringLiteral("8.6543"));

        showPage(*window, 1);
        QTest::mouseClick(window->concentrationOption(0), Qt::LeftButton);
        QTest::mouseClick(window->pathwayOption(0), Qt::LeftButton);
        typeInto(window->entry(14), QStringLiteral("2"));
        typeInto(window->entry(15), QStringLiteral("350"));
        QTest::mouseClick(window->entry(16), Qt::LeftButton);
        QTest::keyClick(window->parameterBox(16), Qt::Key_Down); // the suggested 30 years
        QCOMPARE(window->entry(16)->text(), QStringLiteral("30"));
        typeInto(window->entry(17), QStringLiteral("70"));
        typeInto(window->entry(18), QStringLiteral("25550"));
        QString seen; // the preview shows only results of the input on view
        answerNextBox(seen, QMessageBox::Ok);
        window->menuAction(AnalysisMenu::File, FileItem::PrintPreview)->trigger();
        QVERIFY(seen.startsWith(QStringLiteral("Result Not Consistent|")));
        activate(window);

        QTest::keyClick(window, Qt::Key_F5); // Calculation!
        // The same intake as the shipped analysis of these inputs.
        QCOMPARE(state.riskInput.ResultText, std::string("0.101616046966732"));
        QCOMPARE(window->entry(20)->text(), QStringLiteral("0.10162"));

        onNextModal([](QWidget* modal) { varyIngestionRate(modal, "1000"); });
        QTest::mouseClick(window->monteCarloPanel(), Qt::LeftButton);
        QVERIFY(window->entry(14)->text().endsWith(QStringLiteral("Monte Carlo|2:1")));
        QCOMPARE(window->monteCarloPanel()->text(), QStringLiteral("Monte Carlo"));
        activate(window);
        QTest::keyClick(window, Qt::Key_F5);
        QCOMPARE(window->entry(20)->text(), QStringLiteral("Monte Carlo"));
        QCOMPARE(state.ResultCount, 1001);

        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); // Save As
        QCOMPARE(window->windowTitle(), QStringLiteral("RISK ASSESSMENT -- FileName: whole.tvl"));
        const std::vector<QString> before = entryTexts(*window);
        QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier); // Open Application
        QCOMPARE(dialogs.answers.size(), 0U);
        QCOMPARE(state.AnalysisState, Analysis::Saved);
        QVERIFY(entryTexts(*window) == before);

        // An analysis named on the command line opens the same way, or is reported.
        QVERIFY(program.openAnalysis(saved));
        QCOMPARE(state.AnalysisState, Analysis::Saved);
        answerNextBox(seen, QMessageBox::Ok);
        QVERIFY(!program.openAnalysis(programDirectory_.filePath("none.tvl").toStdString()));
        QVERIFY(seen.startsWith(QStringLiteral("File not found.|")));
        QVERIFY(program.mainWindow().isVisible());
    }

    // A reference cannot be typed over, and Stop ends a long run before its end.
    void stopEndsALongMonteCarloRun() {
        AppState state;
        state.AppPath = programDirectory_.path().toStdString();
        state.MediumCode = Medium::Input;
        QtPrompter prompter;
        QtEventPump events;
        QtMonteCarloPresenter presenter(nullptr, nullptr);
        MonteCarloExchange exchange(prompter, &monteCarlo, &presenter);
        AnalysisServices services;
        services.monteCarlo = &exchange;
        services.events = &events;
        RiskAnalysis window(state, prompter, services, programDirectory_.path());
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.showAnalysis();
        activate(&window);
        showPage(window, 1);
        QTest::mouseClick(window.concentrationOption(2), Qt::LeftButton);
        QStringList values{"1.5", "2", "365", "30", "70", "70"};
        for (int row : {12, 14, 15, 16, 17, 18}) {
            typeInto(window.entry(row), values.takeFirst());
        }
        onNextModal([](QWidget* modal) { varyIngestionRate(modal, "30000"); });
        QTest::mouseClick(window.monteCarloPanel(), Qt::LeftButton);
        QVERIFY(window.entry(14)->text().endsWith(QStringLiteral("Monte Carlo|2:1")));
        QCOMPARE(window.entry(14)->palette().color(QPalette::Text), QColor(255, 0, 0));

        QString seen;
        answerNextBox(seen, QMessageBox::Ok);
        QTest::mouseClick(window.entry(14), Qt::LeftButton);
        QCOMPARE(seen,
                 QStringLiteral("Warning|Monte Carlo value is assigned, you cannot change it."));
        const QString reference = window.entry(14)->text();
        QTest::keyClicks(window.entry(14), QStringLiteral("9"));
        QCOMPARE(window.entry(14)->text(), reference);

        int progressAtStop = 0;
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, [&] {
            if (window.stopButton()->isVisible() && window.progressBar()->value() > 0) {
                stopper.stop();
                progressAtStop = window.progressBar()->value();
                answerNextBox(seen, QMessageBox::Yes);
                QTest::mouseClick(window.stopButton(), Qt::LeftButton);
            }
        });
        stopper.start(1);
        window.form().driver().setPumpInterval(std::chrono::nanoseconds(0));
        window.calculationAction()->trigger();
        QCOMPARE(seen, QStringLiteral("Stop Calculation|Do you want to stop computation process?"
                                      "\n\nIf YES is selected the output viewed through the "
                                      "Results menu would not be correct."));
        QVERIFY(state.ResultsOutdated);
        QCOMPARE(state.ResultCount, 30001);
        QVERIFY(progressAtStop > 0 && progressAtStop < 100);
        QCOMPARE(state.IntakeResults.at(30000), 0.0); // never evaluated
        QVERIFY(!window.stopButton()->isVisible() && window.tabs()->isEnabled());
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "AnalysisWindowTest.moc"
