#pragma once
// THE ANALYSIS WINDOW'S SLOT. New Application and Open Application end by showing the analysis
// window through the AnalysisWindow interface; until the analysis window (RiskAnalysis) is
// built, this slot stands in for it with a small window that says which analysis is loaded.
// The analysis window replaces this class: DesktopProgram takes any AnalysisWindow, so plugging
// it in is a change of the one line that creates the slot.

#include "shell/ApplicationFlows.h"

#include <QPointer>
#include <QWidget>

class QLabel;

namespace torval {

class AnalysisSlotWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisSlotWindow(QWidget* parent = nullptr);
    void showAnalysis(const AppState& state);
    QLabel* summary() const { return summary_; }

private:
    QLabel* summary_;
};

class AnalysisWindowSlot : public AnalysisWindow {
public:
    explicit AnalysisWindowSlot(QWidget* parent = nullptr) : parent_(parent) {}
    void show(AppState& state) override;
    AnalysisSlotWindow* window() const { return window_; }
    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
    QPointer<AnalysisSlotWindow> window_;
};

} // namespace torval
