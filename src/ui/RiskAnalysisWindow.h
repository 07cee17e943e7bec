#pragma once
// The analysis window (RiskAnalysis) on the screen. It owns its AnalysisForm, copies the form's
// controls() into the widgets after every forwarded action, and forwards the user's focus
// changes, typing, clicks, option choices and menu commands back to the form; every rule stays
// in the form.
//
// The calculation runs on this thread: the form's event pump is the window's own, which first
// brings the progress bar, the Stop button and the menus up to date and then lets the queued
// events run, so that a click on Stop is seen between two evaluations.

#include "AppState.h"
#include "intake/AnalysisForm.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <utility>

class QAbstractButton;
class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace torval {

class RiskAnalysis : public QMainWindow, public WindowCloser, private EventPump {
    Q_OBJECT
public:
    // `services.window` and `services.events` are the window's own: it closes itself, and its
    // pump refreshes the run display before letting events run through `services.events`.
    // The concentration options' pictures are read under `appPath` (bitmap/).
    RiskAnalysis(AppState& state, Prompter& prompter, AnalysisServices services,
                 const QString& appPath, QWidget* parent = nullptr);
    ~RiskAnalysis() override;

    AnalysisForm& form() { return form_; }

    // Fills the window from the state (the form's load) and puts it on the screen, in front.
    void showAnalysis();

    // File > "Ret&urn to Main Form": the window closes, which deletes it.
    void closeAnalysisWindow() override;

    // The widgets of row `row`: the caption panel, the entry (the line edit of a drop-down for
    // rows 13 to 19) and the unit label; parameterBox is the drop-down itself (nullptr for the
    // other rows).
    QLabel* caption(int row) const;
    QLineEdit* entry(int row) const;
    QComboBox* parameterBox(int row) const;
    QLabel* unit(int row) const;
    QRadioButton* concentrationOption(int option) const;
    QRadioButton* pathwayOption(int code) const;
    QAction* menuAction(AnalysisMenu menu, int index) const;
    QAction* calculationAction() const { return calculation_; }
    QMenu* menu(AnalysisMenu menu) const;
    QPushButton* monteCarloPanel() const { return monteCarloPanel_; }
    QPushButton* dataFileButton() const { return dataFileButton_; }
    QPushButton* chemicalButton() const { return chemicalButton_; }
    QLabel* chemicalName() const { return chemicalName_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* stopButton() const { return stop_; }
    QLabel* statusPanel() const { return status_; }
    QTabWidget* tabs() const { return tabs_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowWidgets {
        QLabel* caption = nullptr;
        QLineEdit* entry = nullptr;
        QComboBox* box = nullptr;
        QLabel* unit = nullptr;
    };

    void pump() override;

    // Layout (RiskAnalysisLayout.cpp).
    void buildRows();
    void buildMenus();
    QWidget* buildDataPage();
    QWidget* buildIntakePage();
    QWidget* buildTopPanel();
    QWidget* buildRunPanel();
    void addRow(QGridLayout* grid, int row, int line, int firstColumn = 0);

    // Forwarding and mirroring.
    void forward(const std::function<void()>& action);
    void connectRow(int row);
    void dispatchMenu(AnalysisMenu menu, int index);
    void focusChanged(QWidget* now);
    int rowOf(const QObject* widget) const;
    void mirror();
    void paceRunPainting();
    void mirrorRow(int row);
    void mirrorOptions();
    void mirrorMenus();
    void mirrorRunDisplay();
    void mirrorPage();
    void mirrorFocus();
    void holdOtherWindows(bool hold);
    bool isInputForOtherWindow(QObject* watched, QEvent* event) const;

    AnalysisForm form_;
    EventPump* events_;
    QString appPath_;
    std::array<RowWidgets, AnalysisRows::Count> rows_{};
    std::array<QRadioButton*, 3> concentrationOptions_{};
    std::array<QRadioButton*, 9> pathwayOptions_{};
    std::map<std::pair<AnalysisMenu, int>, QAction*> actions_;
    std::map<AnalysisMenu, QMenu*> menus_;
    QAction* calculation_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QGroupBox* intervalFrame_ = nullptr;
    QWidget* chemicalPanel_ = nullptr;
    QLabel* chemicalName_ = nullptr;
    QPushButton* chemicalButton_ = nullptr;
    QPushButton* dataFileButton_ = nullptr;
    QPushButton* monteCarloPanel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* status_ = nullptr;
    int actionDepth_ = 0;    // forwarded actions under way (a run, a message box, a dialog)
    bool mirroring_ = false; // focus moves made by the mirror itself are not the user's
    int shownModelPage_ = -1;
    bool holdingOtherWindows_ = false; // a run keeps the user out of the program's other windows
    QElapsedTimer runClock_;           // valid while a run is under way
    bool paintingHeld_ = false;        // the run is too young yet for its display to be painted
};

} // namespace torval
