#pragma once
// The analysis window's windows beyond the intake: the sensitivity (tornado chart) and risk
// windows, modal over the window that asks, and the CSV export through the program's dialogs.

#include "intake/AnalysisServices.h"
#include "shell/FileDialogs.h"
#include "shell/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace torval {

class QtResultFigures final : public ResultFigures {
public:
    QtResultFigures(Prompter& prompter, FileDialogs& dialogs)
        : prompter_(prompter), dialogs_(dialogs) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void showSensitivity(AppState& state) override;
    void showRisk(AppState& state) override;
    void exportIterations(AppState& state) override;

private:
    Prompter& prompter_;
    FileDialogs& dialogs_;
    QPointer<QWidget> parent_;
};

} // namespace torval
