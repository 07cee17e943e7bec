#include "ChartonWindow.h"

#include "ChartOutput.h"
#include "SampleResults.h"
#include "Statistics.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace torval::charton;

namespace {

QString write(const QTemporaryDir& dir, const QString& name, const std::string& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

QLineSeries* line(QChart* chart, const QString& name) {
    for (QAbstractSeries* series : chart->series()) {
        if (series->name() == name) {
            return qobject_cast<QLineSeries*>(series);
        }
    }
    return nullptr;
}

QStringList names(QChart* chart) {
    QStringList result;
    for (QAbstractSeries* series : chart->series()) {
        result << series->name();
    }
    return result;
}

// The histogram is drawn as a step outline: (edge, count) pairs after the leading (edge, 0).
qreal histogramTotal(QChart* chart) {
    for (QAbstractSeries* series : chart->series()) {
        if (auto* area = qobject_cast<QAreaSeries*>(series)) {
            const QList<QPointF> points = area->upperSeries()->points();
            qreal total = 0;
            for (qsizetype i = 1; i + 1 < points.size(); i += 2) {
                total += points[i].y();
            }
            return total;
        }
    }
    return -1;
}

} // namespace

class ChartonWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void intakesShowHistogramCumulativeCurveAndMarkers() {
        QTemporaryDir dir;
        std::vector<std::string> lines = testing::concentrationsHeader("20");
        lines.push_back("Chemical Intake: Monte Carlo Simulation");
        std::vector<double> intakes;
        for (int i = 1; i <= 20; ++i) {
            intakes.push_back(i * 1e-4);
            lines.push_back(std::to_string(i) + "e-4");
        }
        ChartonWindow window;
        QCOMPARE(window.open(write(dir, "torval.plt", testing::crlf(lines))), QString());
        QCOMPARE(window.tabs()->count(), 2); // the intakes, then their convergence
        QChart* chart = window.currentView()->chart();
        QCOMPARE(names(chart),
                 (QStringList{"Histogram", "Cumulative fraction", "P5", "Median", "P95"}));
        const Summary expected = summarise(intakes);
        QCOMPARE(line(chart, "P5")->at(0).x(), expected.p5);
        QCOMPARE(line(chart, "Median")->at(1).x(), expected.median);
        QCOMPARE(line(chart, "P95")->at(0).x(), expected.p95);
        QCOMPARE(histogramTotal(chart), 20.0);
        QCOMPARE(line(chart, "Cumulative fraction")->points().back(), QPointF(20e-4, 1.0));

        // 0.0015 leaves 1.6e-3 .. 2e-3 above: 5 of 20; the quotients are 1.05e-3 and 1.9e-3 over
        // it.
        window.findChild<QLineEdit*>("threshold")->setText("0.0015");
        const QString result = window.findChild<QLabel*>("thresholdResult")->text();
        QVERIFY2(result.contains("25 % of 20"), qPrintable(result));
        QVERIFY2(result.contains("mean: 0.7") && result.contains("P95: 1.266667"),
                 qPrintable(result));
        chart = window.currentView()->chart();
        QCOMPARE(line(chart, "Threshold")->at(0).x(), 0.0015);

        window.setLogScale(true);
        chart = window.currentView()->chart();
        QVERIFY(!chart->axes(Qt::Horizontal).isEmpty());
        QVERIFY(qobject_cast<QLogValueAxis*>(chart->axes(Qt::Horizontal).first()) != nullptr);
        QCOMPARE(histogramTotal(chart), 20.0);

        // After 18 of the 20 the mean was 9.5e-4 and the P95 (the 17th value) 17e-4.
        window.tabs()->setCurrentIndex(1);
        QVERIFY(window.currentView() == nullptr && window.currentChart() != nullptr);
        chart = window.currentChart()->chart();
        QCOMPARE(line(chart, "Running mean")->points().back(), QPointF(20, 10.5e-4));
        QCOMPARE(line(chart, "Running P95")->points().back(), QPointF(20, 19e-4));
        QCOMPARE(line(chart, "Running P95")->at(17), QPointF(18, 17e-4));
        const auto* figures = window.findChild<QTableWidget*>("convergence");
        QCOMPARE(figures->item(0, 1)->text(), QString("9.52 %"));
        QCOMPARE(figures->item(1, 1)->text(), QString("10.5 %"));
    }

    // A tab per variant with its density; the chart is exported in the format its name's ending
    // asks for, its texts reaching the vector drawing as text; a broken file is refused and the
    // shown one stays.
    void aGenerationShowsATabPerVariantAndIsExported() {
        QTemporaryDir dir;
        ChartonWindow window;
        QCOMPARE(window.open(write(dir, "torval.plt", testing::twoVariantFile())), QString());
        QCOMPARE(window.tabs()->count(), 2);
        QCOMPARE(window.tabs()->tabText(1), QString("Wb"));
        for (int tab = 0; tab < 2; ++tab) {
            window.tabs()->setCurrentIndex(tab);
            QChart* chart = window.currentView()->chart();
            QVERIFY(line(chart, "Density") != nullptr && line(chart, "Density")->count() > 100);
            QCOMPARE(histogramTotal(chart), tab == 0 ? 4.0 : 3.0);
        }
        // The uniform on [0.5, 6] over 3 values: its density is flat across the histogram.
        const QList<QPointF> density = line(window.currentView()->chart(), "Density")->points();
        QCOMPARE(density.front().y(), density[density.size() / 2].y());

        window.resize(800, 600);
        QChartView& view = *window.currentView()->chartView();
        const QList<QPair<QString, QByteArray>> formats{
            {"chart.PNG", "\x89PNG"}, {"chart.svg", "<?xml"}, {"chart.Pdf", "%PDF-"}};
        for (const auto& [name, start] : formats) {
            QCOMPARE(saveChart(view, dir.filePath(name)), QString());
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.read(5).startsWith(start), qPrintable(name));
        }
        QFile svg(dir.filePath("chart.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("Density"));
        QVERIFY(saveChart(view, dir.filePath("no-such-dir/chart.svg")).contains("no-such-dir"));

        const QString problem = window.open(
            write(dir, "bad.plt",
                  testing::crlf({"Monte Carlo", "Type: Generated", "Total variants: x"})));
        QVERIFY2(problem.contains("bad.plt") && problem.contains("line 3"), qPrintable(problem));
        QCOMPARE(window.tabs()->count(), 2);
        QVERIFY(window.open(dir.filePath("missing.plt")).contains("missing.plt"));
    }
};

QTEST_MAIN(ChartonWindowTest)
#include "ChartonWindowTest.moc"
