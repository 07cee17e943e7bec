// The windows the analysis opens, driven through their widgets: the Monte Carlo window (cells
// typed, F7, a double click, Exit), the chemical window by keyboard, and printing on a system
// without a printer.

#include "AppState.h"
#include "ModalAnswers.h"
#include "analysisfile/RiskDataFile.h"
#include "intake/DataFileLoading.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloExchange.h"
#include "reports/PrintCommand.h"
#include "stogen/GeneratorRequest.h"
#include "support/RecordingPrompter.h"
#include "support/ScriptedFileDialogs.h"
#include "ui/ChemicalSelectionDialog.h"
#include "ui/MonteCarloDialog.h"
#include "ui/PrinterChoice.h"
#include "ui/QtLauncher.h"
#include "ui/QtReportPrinter.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace torval;
using torval::testing::RecordingPrompter;
using torval::testing::ScriptedFileDialogs;

namespace {

const QString Data = QStringLiteral(TORVAL_SHIPPED_DATA);

// Opens the cell's editor as F2 does and types the text; Tab commits it, anything else leaves
// the editor open.
void typeCell(QTableWidget* grid, int row, int column, const QString& text, bool commit) {
    grid->setCurrentCell(row, column);
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = grid->indexWidget(grid->model()->index(row, column));
    QVERIFY(editor != nullptr);
    QWidget* typing = editor->focusProxy() != nullptr ? editor->focusProxy() : editor;
    QTest::keyClicks(typing, text);
    if (commit) {
        QTest::keyClick(typing, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
}

} // namespace

class AnalysisDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void monteCarloWindowGeneratesWithThePendingEditAndHandsTheSelectionBack();
    void chemicalWindowFollowsTheKeyboard();
    void printingWithoutAPrinterWritesThePdfInstead();
};

void AnalysisDialogsTest::monteCarloWindowGeneratesWithThePendingEditAndHandsTheSelectionBack() {
    AppState state;
    state.MediumCode = Medium::Input;
    state.modelData.ModelName = "input";
    state.modelData.ContaminantName = "Benzene";
    RecordingPrompter prompter;
    QtMonteCarloPresenter presenter(nullptr, nullptr);
    MonteCarloExchange exchange(prompter, &monteCarlo, &presenter);
    QString chosenMean;
    onNextModal([&](QWidget* modal) {
        auto* window = qobject_cast<MonteCarloDialog*>(modal);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Monte Carlo Silmulation for Risk"));
        QCOMPARE(window->chemicalLabel()->text(), QStringLiteral("Chemical: Benzene"));
        QTableWidget* input = window->inputGrid();
        typeCell(input, 0, InputColumn::Name, QStringLiteral("Specified Concentration"), true);
        QCOMPARE(input->item(0, InputColumn::Mean)->text(), QStringLiteral("1.5"));
        const std::pair<int, QString> cells[] = {{InputColumn::Minimum, QStringLiteral("0.5")},
                                                 {InputColumn::Maximum, QStringLiteral("3")},
                                                 {InputColumn::Variance, QStringLiteral("0.25")},
                                                 {InputColumn::Terms, QStringLiteral("100")}};
        for (const auto& [column, text] : cells) {
            typeCell(input, 0, column, text, true);
        }
        typeCell(input, 0, InputColumn::Distribution, QStringLiteral("Normal"), false);

        QTest::keyClick(window, Qt::Key_F7);
        QTableWidget* result = window->resultGrid();
        QCOMPARE(input->item(0, InputColumn::Distribution)->text(), QStringLiteral("Normal"));
        QCOMPARE(result->item(0, ResultColumn::Variant)->text(),
                 QStringLiteral("Specified Concentration"));
        QTableWidgetItem* mean = result->item(0, ResultColumn::ArithmeticMean);
        QVERIFY(!mean->text().isEmpty());
        const QPoint cell = result->visualItemRect(mean).center();
        QTest::mouseClick(result->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(result->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(mean->background().color(), QColor(Qt::red));
        QCOMPARE(result->item(0, ResultColumn::Median)->background().color(), QColor(Qt::white));
        chosenMean = mean->text();
        window->fileAction(MonteCarloFileItem::Exit)->trigger();
    });
    exchange.show(state, {{12, "Specified Concentration", "1.5"}, {14, "Ingestion Rate (Ri)", "2"}},
                  "monte carlo");

    QCOMPARE(prompter.messages.size(), std::size_t{0});
    QCOMPARE(state.MonteCarloCount, 101);
    std::vector<AnalysisEntry> entries = {{12, "Specified Concentration", "1.5"},
                                          {14, "Ingestion Rate (Ri)", "2"}};
    exchange.applySelection(state, entries);
    QCOMPARE(QString::fromStdString(entries[0].text), chosenMean);
    QCOMPARE(entries[1].text, std::string("2"));
}

void AnalysisDialogsTest::chemicalWindowFollowsTheKeyboard() {
    struct Case {
        Qt::Key close;
        bool changed;
        int current;
    };
    for (const Case& c : {Case{Qt::Key_Escape, false, 1}, Case{Qt::Key_Return, true, 2}}) {
        AppState state;
        state.MediumCode = Medium::GroundwaterMultipleSpecies;
        RecordingPrompter prompter;
        ScriptedFileDialogs dialogs;
        dialogs.answers = {
            (Data + QStringLiteral("/PLUMEXData/grndwatr/pce-tce-chain.mc2")).toStdString()};
        QVERIFY(OpenModelDataFile(state, dialogs, prompter, DataFileReaders::standard()));
        const auto firstGrid = state.modelData.ConcentrationGrid;
        QtChemicalChooser chooser(nullptr, prompter);
        onNextModal([&](QWidget* modal) {
            auto* window = qobject_cast<ChemicalSelectionDialog*>(modal);
            QVERIFY(window != nullptr);
            QCOMPARE(window->chemicalList()->currentRow(), 0);
            QTest::keyClick(window->chemicalList(), Qt::Key_Down);
            QTest::keyClick(window->chemicalList(), c.close);
        });
        QCOMPARE(chooser.chooseChemical(state), c.changed);
        QCOMPARE(state.modelData.CurrentChemical, c.current);
        QCOMPARE(state.MCCurrentChemical, c.current);
        QCOMPARE(state.modelData.ConcentrationGrid != firstGrid, c.changed);
    }
}

void AnalysisDialogsTest::printingWithoutAPrinterWritesThePdfInstead() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        QSKIP("this system has a printer");
    }
    AppState state;
    RecordingPrompter prompter;
    QVERIFY(ReadRiskDataFile(
        state, prompter,
        (Data + QStringLiteral("/SampleDat/drinking-water-monte-carlo.tvl")).toStdString()));
    PrinterChoice printer;
    QtLauncher launcher;
    QTemporaryDir directory;
    struct Case {
        const char* report;
        std::function<void(ScriptedFileDialogs&)> print;
    };
    const Case cases[] = {
        {"results",
         [&](ScriptedFileDialogs& dialogs) {
             QtReportPrinter(printer, prompter, dialogs).printResultsReport(state);
         }},
        {"monte-carlo", [&](ScriptedFileDialogs& dialogs) {
             QtMonteCarloOutputs(prompter, launcher, printer, dialogs).print(state);
         }}};
    for (const Case& c : cases) {
        const QString path = directory.filePath(QString::fromLatin1(c.report));
        ScriptedFileDialogs dialogs;
        dialogs.answers = {path.toStdString()};
        prompter.messages.clear();
        prompter.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
        c.print(dialogs);
        QCOMPARE(prompter.messages.size(), std::size_t{2});
        QCOMPARE(prompter.messages[0].text, std::string("The requested device is not available."));
        QCOMPARE(prompter.messages[1].text, pdfInsteadQuestion().text);
        QFile pdf(path + QStringLiteral(".pdf"));
        QVERIFY2(pdf.open(QIODevice::ReadOnly), c.report);
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 1000);
    }
}

QTEST_MAIN(AnalysisDialogsTest)
#include "AnalysisDialogsTest.moc"
