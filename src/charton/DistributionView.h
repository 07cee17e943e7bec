#pragma once
// A chart of a series of values: the histogram (bins by the Freedman-Diaconis rule unless the
// user picks a number), the empirical cumulative curve on a second axis, markers at P5, the
// median and P95, an optional threshold line and an optional density laid over the histogram.

#include "Density.h"
#include "Statistics.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QSpinBox;

namespace torval::charton {

class DistributionView : public QWidget {
public:
    DistributionView(std::vector<double> values, std::optional<TruncatedDensity> density,
                     const QString& valueTitle, QWidget* parent = nullptr);

    void setLogScale(bool logScale);
    void setThreshold(std::optional<double> threshold);
    void setBins(std::size_t bins);
    std::size_t bins() const { return bins_; }
    QChart* chart() const;
    QChartView* chartView() const { return view_; }
    const std::vector<double>& values() const { return values_; }
    const Summary& summary() const { return summary_; }

private:
    void rebuild();
    void replaceChart(QChart* chart);

    std::vector<double> values_;
    Summary summary_;
    std::optional<TruncatedDensity> density_;
    QString valueTitle_;
    bool logScale_ = false;
    std::optional<double> threshold_;
    std::size_t bins_ = 1;
    QChartView* view_;
    QSpinBox* binsBox_;
};

} // namespace torval::charton
