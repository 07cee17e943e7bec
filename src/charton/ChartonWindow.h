#pragma once
// The viewer's main window: opens a results file (command line, File > Open, drag and drop,
// recent files) and shows it in tabs; exports, copies and prints the current chart.

#include "DistributionView.h"
#include "ResultsFile.h"

#include <QMainWindow>
#include <optional>
#include <vector>

class QAction;
class QChartView;
class QMenu;
class QTabWidget;

namespace torval::charton {

class ChartonWindow : public QMainWindow {
public:
    explicit ChartonWindow(QWidget* parent = nullptr);

    // Shows the file; returns why it cannot when it cannot (the shown file then stays).
    QString open(const QString& path);
    // open, telling the user in a message box what went wrong.
    bool openOrWarn(const QString& path);

    QTabWidget* tabs() const { return tabs_; }
    // The distribution chart of the current tab; null for a regular intake and for the
    // convergence tab.
    DistributionView* currentView() const;
    // The chart the File and Edit menus export, copy and print: the current tab's, null for
    // a regular intake.
    QChartView* currentChart() const;
    void setLogScale(bool logScale);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void showResults(const ResultsFile& results);
    void remember(const QString& path);
    void refreshRecentMenu();
    void chooseFile();
    void exportChart();
    void exportValues();
    void copyChart();
    void printChart();

    QTabWidget* tabs_;
    QMenu* recentMenu_ = nullptr;
    QAction* logAxis_ = nullptr;
    std::optional<ResultsFile> results_;
    std::vector<DistributionView*> views_; // one per tab
    std::vector<QChartView*> charts_;      // one per tab
};

} // namespace torval::charton
