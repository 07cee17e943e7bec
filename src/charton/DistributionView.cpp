#include "DistributionView.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace torval::charton {

namespace {

// The cumulative curve needs no more points than a screen has pixels.
constexpr std::size_t MaximumCurvePoints = 2000;
constexpr int DensityPoints = 200;

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QAreaSeries* histogramSeries(const Histogram& histogram) {
    auto* outline = new QLineSeries;
    outline->append(histogram.edges.front(), 0);
    for (std::size_t i = 0; i < histogram.counts.size(); ++i) {
        const auto count = static_cast<double>(histogram.counts[i]);
        outline->append(histogram.edges[i], count);
        outline->append(histogram.edges[i + 1], count);
    }
    outline->append(histogram.edges.back(), 0);
    auto* area = new QAreaSeries(outline);
    outline->setParent(area); // the area series does not own its boundary
    area->setName(QStringLiteral("Histogram"));
    area->setColor(QColor(120, 160, 210, 170));
    area->setBorderColor(QColor(40, 80, 140));
    return area;
}

QLineSeries* cumulativeSeries(std::vector<double> sorted, bool logScale) {
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Cumulative fraction"));
    series->setPen(QPen(QColor(200, 90, 30), 2));
    const std::size_t n = sorted.size();
    const std::size_t step = std::max<std::size_t>(1, n / MaximumCurvePoints);
    for (std::size_t i = 0; i < n; i += step) {
        if (!logScale || sorted[i] > 0) {
            series->append(sorted[i], static_cast<double>(i + 1) / static_cast<double>(n));
        }
    }
    if ((n - 1) % step != 0) {
        series->append(sorted.back(), 1.0);
    }
    return series;
}

QLineSeries* verticalLine(const QString& name, double x, double top, const QColor& color,
                          Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(color, 2, style));
    series->append(x, 0);
    series->append(x, top);
    return series;
}

// The density scaled to the histogram's counts: the expected count of a bin around x.
QLineSeries* densitySeries(const TruncatedDensity& density, const Histogram& histogram,
                           std::size_t n, bool logScale) {
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Density"));
    series->setPen(QPen(QColor(30, 140, 60), 2));
    const double first = std::max(density.minimum(), histogram.edges.front());
    const double last = std::min(density.maximum(), histogram.edges.back());
    if (!(first < last) || (logScale && !(first > 0))) {
        return series;
    }
    const auto bins = static_cast<double>(histogram.counts.size());
    const double count = static_cast<double>(n);
    for (int i = 0; i <= DensityPoints; ++i) {
        const double t = static_cast<double>(i) / DensityPoints;
        if (logScale) {
            const double x = first * std::pow(last / first, t);
            const double width =
                std::log10(histogram.edges.back() / histogram.edges.front()) / bins;
            series->append(x, count * density(x) * x * std::log(10.0) * width);
        } else {
            const double x = first + (last - first) * t;
            const double width = (histogram.edges.back() - histogram.edges.front()) / bins;
            series->append(x, count * density(x) * width);
        }
    }
    return series;
}

QAbstractAxis* valueAxis(bool logScale, const QString& title, double low, double high) {
    if (logScale) {
        auto* axis = new QLogValueAxis;
        axis->setLabelFormat(QStringLiteral("%.3g"));
        axis->setBase(10);
        axis->setRange(low, high);
        axis->setTitleText(title);
        return axis;
    }
    auto* axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%.3g"));
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setTitleText(title);
    return axis;
}

// A bin of no width (all values equal) is drawn with some width around the value.
Histogram widened(Histogram histogram, bool logScale) {
    if (!histogram.edges.empty() && histogram.edges.front() == histogram.edges.back()) {
        const double value = histogram.edges.front();
        const double margin = value == 0 ? 0.5 : std::abs(value) * 0.05;
        histogram.edges = {logScale ? value / 1.1 : value - margin,
                           logScale ? value * 1.1 : value + margin};
    }
    return histogram;
}

} // namespace

DistributionView::DistributionView(std::vector<double> values,
                                   std::optional<TruncatedDensity> density,
                                   const QString& valueTitle, QWidget* parent)
    : QWidget(parent), values_(std::move(values)), summary_(summarise(values_)),
      density_(std::move(density)), valueTitle_(valueTitle), bins_(freedmanDiaconisBins(values_)),
      view_(new QChartView), binsBox_(new QSpinBox) {
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 320);
    binsBox_->setRange(1, static_cast<int>(MaximumBins));
    binsBox_->setValue(static_cast<int>(std::max<std::size_t>(bins_, 1)));
    binsBox_->setObjectName(QStringLiteral("bins"));
    auto* automatic = new QPushButton(tr("Freedman\u2013Diaconis"));
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Bins:")));
    controls->addWidget(binsBox_);
    controls->addWidget(automatic);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(controls);
    connect(binsBox_, &QSpinBox::valueChanged, this,
            [this](int bins) { setBins(static_cast<std::size_t>(bins)); });
    connect(automatic, &QPushButton::clicked, this,
            [this] { binsBox_->setValue(static_cast<int>(freedmanDiaconisBins(values_))); });
    rebuild();
}

QChart* DistributionView::chart() const {
    return view_->chart();
}

void DistributionView::setLogScale(bool logScale) {
    if (logScale != logScale_) {
        logScale_ = logScale;
        rebuild();
    }
}

void DistributionView::setThreshold(std::optional<double> threshold) {
    threshold_ = threshold;
    rebuild();
}

void DistributionView::setBins(std::size_t bins) {
    if (bins != bins_) {
        bins_ = bins;
        binsBox_->setValue(static_cast<int>(bins));
        rebuild();
    }
}

void DistributionView::rebuild() {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    const Histogram histogram = widened(charton::histogram(values_, bins_, logScale_), logScale_);
    if (histogram.counts.empty()) {
        chart->setTitle(logScale_ ? tr("No positive values to draw on a log axis")
                                  : tr("No values to draw"));
        replaceChart(chart);
        return;
    }
    const double tallest =
        static_cast<double>(*std::max_element(histogram.counts.begin(), histogram.counts.end()));
    const double top = tallest * 1.08;
    auto* x = valueAxis(logScale_, valueTitle_, histogram.edges.front(), histogram.edges.back());
    auto* counts = new QValueAxis;
    counts->setRange(0, top);
    counts->applyNiceNumbers();
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setTitleText(tr("Count"));
    const double markerTop = counts->max(); // the markers span the whole plot
    auto* fraction = new QValueAxis;
    fraction->setRange(0, 1);
    fraction->setTitleText(tr("Cumulative fraction"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    chart->addAxis(fraction, Qt::AlignRight);

    attach(chart, histogramSeries(histogram), x, counts);
    if (density_) {
        attach(chart, densitySeries(*density_, histogram, values_.size(), logScale_), x, counts);
    }
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    attach(chart, cumulativeSeries(std::move(sorted), logScale_), x, fraction);
    const std::pair<QString, double> markers[] = {{QStringLiteral("P5"), summary_.p5},
                                                  {QStringLiteral("Median"), summary_.median},
                                                  {QStringLiteral("P95"), summary_.p95}};
    const QColor markerColours[] = {QColor(110, 60, 150), QColor(20, 20, 20), QColor(110, 60, 150)};
    for (std::size_t i = 0; i < std::size(markers); ++i) {
        const auto& [name, value] = markers[i];
        if (!logScale_ || value > 0) {
            attach(chart,
                   verticalLine(name, value, markerTop, markerColours[i],
                                i == 1 ? Qt::SolidLine : Qt::DashLine),
                   x, counts);
        }
    }
    if (threshold_ && (!logScale_ || *threshold_ > 0)) {
        attach(chart,
               verticalLine(tr("Threshold"), *threshold_, markerTop, QColor(200, 30, 30),
                            Qt::SolidLine),
               x, counts);
    }
    replaceChart(chart);
}

void DistributionView::replaceChart(QChart* chart) {
    // The view hands the previous chart back rather than deleting it.
    QChart* previous = view_->chart();
    view_->setChart(chart);
    delete previous;
}

} // namespace torval::charton
