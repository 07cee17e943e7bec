// The windows the analysis opens, driven through their widgets: the Monte Carlo window (cells
// typed, F7, a statistic chosen by keyboard and by double click, the sampling choice, Exit), the
// sensitivity and risk windows, the chemical window by keyboard, and printing on a system without
// a printer.

#include "AppState.h"
#include "ModalAnswers.h"
#include "analysisfile/RiskDataFile.h"
#include "intake/AnalysisForm.h"
#include "intake/DataFileLoading.h"
#include "intake/VariedInputs.h"
#include "montecarlo/IntakeSummary.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloExchange.h"
#include "montecarlo/Sensitivity.h"
#include "reports/PrintCommand.h"
#include "support/RecordingPrompter.h"
#include "support/ScriptedFileDialogs.h"
#include "ui/ChemicalSelectionDialog.h"
#include "ui/MonteCarloDialog.h"
#include "ui/PrinterChoice.h"
#include "ui/QtReportPrinter.h"
#include "ui/RiskDialog.h"
#include "ui/SensitivityDialog.h"

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace torval;
using torval::testing::RecordingPrompter;
using torval::testing::ScriptedFileDialogs;

namespace {

const QString Data = QStringLiteral(TORVAL_SHIPPED_DATA);

} // namespace

class AnalysisDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void monteCarloWindowGeneratesWithThePendingEditAndHandsTheSelectionBack();
    void resultWindowsOnACalculatedAnalysis();
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
    MonteCarloExchange exchange(prompter, {&monteCarlo, &latinHypercube}, &presenter);
    QString chosenMean;
    onNextModal([&](QWidget* modal) {
        auto* window = qobject_cast<MonteCarloDialog*>(modal);
        QVERIFY(window != nullptr);
        QCOMPARE(window->chemicalLabel()->text(), QStringLiteral("Chemical: Benzene"));
        QCOMPARE(window->samplingBox()->currentText(), QStringLiteral("Random"));
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
        QTableWidgetItem* median = result->item(0, ResultColumn::Median);
        QTest::mouseClick(result->viewport(), Qt::LeftButton, {}, cell);
        QTest::keyClick(result, Qt::Key_Right);
        QTest::keyClick(result, Qt::Key_Right);
        QTest::keyClick(result, Qt::Key_Space);
        QCOMPARE(median->background().color(), QColor(Qt::red));
        QTest::mouseDClick(result->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(mean->background().color(), QColor(Qt::red));
        QCOMPARE(median->background().color(), QColor(Qt::white));
        chosenMean = mean->text();
        QTest::keyClick(window->samplingBox(), Qt::Key_End);
        window->fileAction(MonteCarloFileItem::Exit)->trigger();
    });
    exchange.show(state, {{12, "Specified Concentration", "1.5"}, {14, "Ingestion Rate (Ri)", "2"}},
                  "monte carlo");

    QCOMPARE(prompter.messages.size(), std::size_t{0});
    QCOMPARE(state.MonteCarloCount, 101);
    QCOMPARE(state.Sampling, MonteCarloSampling::LatinHypercube);
    std::vector<AnalysisEntry> entries = {{12, "Specified Concentration", "1.5"},
                                          {14, "Ingestion Rate (Ri)", "2"}};
    exchange.applySelection(state, entries);
    QCOMPARE(QString::fromStdString(entries[0].text), chosenMean);
    QCOMPARE(entries[1].text, std::string("2"));
}

// The shipped Monte Carlo analysis, calculated: the tornado chart holds a bar per varied input,
// the longest at the top; the risk window gives the hazard quotient of a typed reference dose,
// refuses a slope factor that is no number, and keeps the dose for the chemical on closing.
void AnalysisDialogsTest::resultWindowsOnACalculatedAnalysis() {
    AppState state;
    RecordingPrompter prompter;
    QVERIFY(ReadRiskDataFile(
        state, prompter,
        (Data + QStringLiteral("/SampleDat/drinking-water-monte-carlo.tvl")).toStdString()));
    AnalysisForm form(state, prompter);
    form.load();
    form.CalculationCommand();
    QCOMPARE(state.AnalysisState, Analysis::Calculated);
    const std::vector<double> intakes = CalculatedIntakes(state);

    SensitivityDialog sensitivity(state);
    QVERIFY(sensitivity.chartView() != nullptr);
    const QBarSet* bars =
        qobject_cast<QHorizontalBarSeries*>(sensitivity.chartView()->chart()->series().first())
            ->barSets()
            .first();
    const std::vector<VariedInput> inputs = VariedInputValues(state);
    QCOMPARE(bars->count(), static_cast<qsizetype>(inputs.size()));
    QVERIFY(inputs.size() >= 2);
    const std::vector<SensitivityEntry> entries = SensitivityAnalysis(inputs, intakes);
    for (qsizetype bar = 0; bar < bars->count(); ++bar) {
        QCOMPARE(bars->at(bar), entries[entries.size() - 1 - std::size_t(bar)].rankCorrelation);
    }

    QTemporaryDir directory;
    const std::string settings = directory.filePath("torval-risk.ini").toStdString();
    RiskDialog risk(state, prompter, settings);
    QTest::keyClicks(risk.chemicalField(), QStringLiteral("Trichloroethylene"));
    QTest::keyClicks(risk.referenceDoseField(), QStringLiteral("0.001"));
    QTest::keyClicks(risk.slopeFactorField(), QStringLiteral("x"));
    QTableWidget* figures = risk.figures();
    QCOMPARE(figures->verticalHeaderItem(2)->text(), QStringLiteral("Mean"));
    const double quotient = summariseIntakes(intakes).mean / 0.001;
    QVERIFY(std::fabs(figures->item(2, 1)->text().toDouble() / quotient - 1) < 1e-5);
    QVERIFY(figures->item(2, 0)->text().isEmpty());
    QCOMPARE(risk.noticeLabel()->text(), QString::fromUtf8(RiskForm::SlopeFactorRefused.data()));
    risk.reject();

    // The dose comes back for the chemical, whatever the letter case it is typed in.
    RiskDialog again(state, prompter, settings);
    QTest::keyClicks(again.chemicalField(), QStringLiteral("TRICHLOROETHYLENE"));
    QCOMPARE(again.referenceDoseField()->text(), QStringLiteral("0.001"));
    QVERIFY(again.slopeFactorField()->text().isEmpty());
    QCOMPARE(prompter.messages.size(), std::size_t{0});
}

// Down and Return in the chemical window make the second chemical of the file current.
void AnalysisDialogsTest::chemicalWindowFollowsTheKeyboard() {
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
        QTest::keyClick(window->chemicalList(), Qt::Key_Return);
    });
    QVERIFY(chooser.chooseChemical(state));
    QCOMPARE(state.modelData.CurrentChemical, 2);
    QCOMPARE(state.MCCurrentChemical, 2);
    QVERIFY(state.modelData.ConcentrationGrid != firstGrid);
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
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("results"));
    ScriptedFileDialogs dialogs;
    dialogs.answers = {path.toStdString()};
    prompter.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    QtReportPrinter(printer, prompter, dialogs).printResultsReport(state);
    QCOMPARE(prompter.messages.size(), std::size_t{2});
    QCOMPARE(prompter.messages[0].text, std::string("The requested device is not available."));
    QCOMPARE(prompter.messages[1].text, pdfInsteadQuestion().text);
    QFile pdf(path + QStringLiteral(".pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
}

QTEST_MAIN(AnalysisDialogsTest)
#include "AnalysisDialogsTest.moc"
