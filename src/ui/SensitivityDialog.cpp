#include "ui/SensitivityDialog.h"

#include "ui/QtText.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace torval {

SensitivityDialog::SensitivityDialog(const AppState& state, QWidget* parent)
    : QDialog(parent), view_(state), notice_(new QLabel(qText(view_.notice()))) {
    setWindowTitle(qText(SensitivityView::Caption));
    auto* layout = new QVBoxLayout(this);
    notice_->setVisible(!view_.notice().empty());
    notice_->setWordWrap(true);
    layout->addWidget(notice_);
    if (!view_.entries().empty()) {
        chart_ = buildChart();
        layout->addWidget(chart_, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    const int rows = static_cast<int>(view_.entries().size());
    resize(880, chart_ == nullptr ? 160 : std::max(360, 140 + 56 * rows));
}

// The categories of a horizontal bar chart run from the bottom up, so the entries go in from
// the last: the longest bar ends up at the top.
QChartView* SensitivityDialog::buildChart() {
    auto* set = new QBarSet(QStringLiteral("Spearman rank correlation"));
    QStringList names;
    QStringList numbers;
    const auto& entries = view_.entries();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        set->append(entry->rankCorrelation);
        names << qText(entry->input);
        numbers << qText(SensitivityView::contributionText(*entry));
    }
    set->setColor(QColor(0x2e, 0x6f, 0xb0));
    set->setLabelColor(Qt::black);
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(3);

    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(tr("Rank correlation of each input with the intake"));
    chart->legend()->hide();
    // The inputs' names on the left, their figures on the right of the same rows.
    auto* inputs = new QBarCategoryAxis;
    inputs->append(names);
    chart->addAxis(inputs, Qt::AlignLeft);
    series->attachAxis(inputs);
    auto* figures = new QBarCategoryAxis;
    figures->append(numbers);
    figures->setGridLineVisible(false);
    figures->setTitleText(tr("Contribution to variance"));
    chart->addAxis(figures, Qt::AlignRight);
    series->attachAxis(figures);
    auto* correlation = new QValueAxis;
    correlation->setRange(-1.2, 1.2);
    correlation->setTickCount(13);
    correlation->setLabelFormat(QStringLiteral("%.1f"));
    correlation->setTitleText(tr("Spearman rank correlation"));
    chart->addAxis(correlation, Qt::AlignBottom);
    series->attachAxis(correlation);

    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(260);
    return view;
}

} // namespace torval
