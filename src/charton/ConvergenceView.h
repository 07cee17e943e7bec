#pragma once
// The Convergence tab of a Monte Carlo calculation: the running mean and the running P95 of the
// intakes against the iteration number, with their relative change over the last tenth of the
// iterations beside the chart.

#include "ConvergenceCurves.h"

#include <QWidget>
#include <span>

class QChartView;
class QTableWidget;

namespace torval::charton {

class ConvergenceView : public QWidget {
public:
    explicit ConvergenceView(std::span<const double> intakes, QWidget* parent = nullptr);

    QChartView* chartView() const { return view_; }
    const ConvergenceCurves& curves() const { return curves_; }
    // The side table: the final mean and P95 and their relative changes.
    QTableWidget* figures() const { return figures_; }

private:
    ConvergenceCurves curves_;
    QChartView* view_;
    QTableWidget* figures_;
};

} // namespace torval::charton
