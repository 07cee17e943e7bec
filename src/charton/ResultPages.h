#pragma once
// The pages of the viewer's tabs: the intakes of an analysis, and one Monte Carlo variant.

#include "DistributionView.h"
#include "ResultsFile.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace torval::charton {

// Numbers as the command line prints them (the general text form).
QString numberText(double value);

// The intakes of an analysis: the header panel, and either the single intake or the chart, the
// statistics and the threshold of a Monte Carlo calculation.
class ConcentrationsPage : public QWidget {
public:
    explicit ConcentrationsPage(const ConcentrationsResults& results, QWidget* parent = nullptr);
    DistributionView* distributionView() const { return view_; }

private:
    void thresholdChanged(const QString& text);

    DistributionView* view_ = nullptr;
    QLineEdit* threshold_ = nullptr;
    QLabel* thresholdResult_ = nullptr;
};

// One variant of a generation: its inputs, its statistics and its values under its density.
class VariantPage : public QWidget {
public:
    explicit VariantPage(const GeneratedVariant& variant, QWidget* parent = nullptr);
    DistributionView* distributionView() const { return view_; }

private:
    DistributionView* view_ = nullptr;
};

} // namespace torval::charton
