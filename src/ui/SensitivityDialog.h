#pragma once
// Results > "Sensitivity" on the screen: the tornado chart of SensitivityView, one horizontal
// bar per varied input (its rank correlation, negative to the left), longest at the top, the
// correlation at the bar's end and the contribution to variance on the right, and the view's
// notice when there is nothing to chart.

#include "AppState.h"
#include "montecarlo/SensitivityView.h"

#include <QDialog>

class QChartView;
class QLabel;

namespace torval {

class SensitivityDialog : public QDialog {
    Q_OBJECT
public:
    SensitivityDialog(const AppState& state, QWidget* parent = nullptr);

    const SensitivityView& view() const { return view_; }
    // Null when there is nothing to chart.
    QChartView* chartView() const { return chart_; }
    QLabel* noticeLabel() const { return notice_; }

private:
    QChartView* buildChart();

    SensitivityView view_;
    QChartView* chart_ = nullptr;
    QLabel* notice_;
};

} // namespace torval
