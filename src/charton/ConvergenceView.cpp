#include "ConvergenceView.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace torval::charton {

namespace {

QLineSeries* line(const QString& name, const std::vector<double>& x, const std::vector<double>& y,
                  const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) {
        points.append({x[i], y[i]});
    }
    series->replace(points);
    QPen pen(colour);
    pen.setWidthF(2);
    series->setPen(pen);
    return series;
}

QChart* convergenceChart(const ConvergenceCurves& curves) {
    auto* chart = new QChart;
    chart->setTitle(QObject::tr("Running mean and P95 of the intakes"));
    auto* mean =
        line(QObject::tr("Running mean"), curves.iterations, curves.mean, QColor(0x2e, 0x6f, 0xb0));
    auto* p95 =
        line(QObject::tr("Running P95"), curves.iterations, curves.p95, QColor(0xc0, 0x39, 0x2b));
    chart->addSeries(mean);
    chart->addSeries(p95);
    auto* iterations = new QValueAxis;
    iterations->setTitleText(QObject::tr("Iteration"));
    iterations->setLabelFormat(QStringLiteral("%.0f"));
    iterations->setRange(0, curves.iterations.empty() ? 1 : curves.iterations.back());
    iterations->applyNiceNumbers();
    auto* intake = new QValueAxis;
    intake->setTitleText(QObject::tr("Intake (mg/(kg-day))"));
    double top = 0;
    for (const auto* values : {&curves.mean, &curves.p95}) {
        if (!values->empty()) {
            top = std::max(top, *std::max_element(values->begin(), values->end()));
        }
    }
    intake->setRange(0, top > 0 ? top * 1.05 : 1);
    intake->applyNiceNumbers();
    chart->addAxis(iterations, Qt::AlignBottom);
    chart->addAxis(intake, Qt::AlignLeft);
    for (auto* series : {mean, p95}) {
        series->attachAxis(iterations);
        series->attachAxis(intake);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QTableWidget* figuresTable(const ConvergenceCurves& curves) {
    auto* table = new QTableWidget(2, 2);
    table->setObjectName(QStringLiteral("convergence"));
    table->setHorizontalHeaderLabels({QObject::tr("Final"), QObject::tr("Last 10% change")});
    table->setVerticalHeaderLabels({QObject::tr("Mean"), QObject::tr("P95")});
    const auto final = [](const std::vector<double>& values) {
        return values.empty() ? QString() : QString::number(values.back(), 'g', 7);
    };
    const QString texts[2][2] = {
        {final(curves.mean), QString::fromStdString(relativeChangeText(curves.meanRelativeChange))},
        {final(curves.p95), QString::fromStdString(relativeChangeText(curves.p95RelativeChange))}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem(texts[row][column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return table;
}

} // namespace

ConvergenceView::ConvergenceView(std::span<const double> intakes, QWidget* parent)
    : QWidget(parent), curves_(convergenceCurves(intakes)),
      view_(new QChartView(convergenceChart(curves_))), figures_(figuresTable(curves_)) {
    view_->setRenderHint(QPainter::Antialiasing);
    auto* side = new QVBoxLayout;
    side->addWidget(figures_);
    auto* note = new QLabel(
        tr("The relative change is how much each figure still moved over the last tenth of "
           "the %1 iterations; small changes mean the iterations were enough.")
            .arg(intakes.size()));
    note->setWordWrap(true);
    side->addWidget(note);
    side->addStretch();
    auto* panel = new QWidget;
    panel->setLayout(side);
    panel->setMaximumWidth(340);
    side->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(view_, 1);
}

} // namespace torval::charton
