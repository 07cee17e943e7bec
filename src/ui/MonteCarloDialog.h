#pragma once
// The Monte Carlo window on the screen. It mirrors MonteCarloForm: the chemical label, the
// parameter list, the input grid (drop-downs for the parameter and the distribution), the
// Generate button with the sampling list under it, the statistics grid with its red selected cells,
// the help panel and the File, Options and Help menus. Every committed cell edit, double click,
// pointer move and command goes to the form, and the widgets are refilled from it afterwards.
//
// A cell editor still open when Generate, Exit or an output command runs is committed into the
// form first, so what the user typed last is what the command sees.

#include "montecarlo/MonteCarloExchange.h"
#include "montecarlo/MonteCarloForm.h"
#include "shell/HelpDesk.h"

#include <QDialog>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenuBar;
class QPushButton;
class QTableWidget;

namespace torval {

class QtMonteCarloOutputs;

// The File menu's items in their order; Print Preview stands beside the print item.
namespace MonteCarloFileItem {
inline constexpr int Print = 0;
inline constexpr int PrintPreview = 1;
inline constexpr int Exit = 2;
} // namespace MonteCarloFileItem

class MonteCarloDialog : public QDialog {
    Q_OBJECT
public:
    // `outputs`, when given, offers File > Print Preview; `help` answers F1 and the Help menu.
    MonteCarloDialog(MonteCarloForm& form, HelpDesk* help, QtMonteCarloOutputs* outputs,
                     QWidget* parent = nullptr);

    QTableWidget* inputGrid() const { return input_; }
    QTableWidget* resultGrid() const { return result_; }
    QListWidget* parameterList() const { return parameterList_; }
    QLabel* chemicalLabel() const { return chemical_; }
    QLabel* helpPanel() const { return helpPanel_; }
    QPushButton* generateButton() const { return generate_; }
    QComboBox* samplingBox() const { return sampling_; }
    QMenuBar* menuBar() const { return menus_; }
    QAction* fileAction(int item) const;

    // Every closing (File > Exit, the close box, Escape) is the form's Exit.
    void reject() override;

    // The delegate's way in: an edit the user committed in a cell of the input grid.
    void cellEdited(int row, int column, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct PendingEdit {
        int row;
        int column;
        QString text;
    };

    QWidget* buildInputPart();
    void chooseStatistic(int row, int column);
    bool chooseByKey(const QKeyEvent& key);
    QWidget* buildResultPart();
    void buildMenus();
    void refresh();
    void refreshInputGrid();
    void refreshResultGrid();
    void commitOpenEditor();
    void forwardPendingEdit();
    void generate();
    void exitWindow();
    void showHelp();
    void pointerOver(HelpArea area);

    MonteCarloForm& form_;
    HelpDesk* help_;
    QtMonteCarloOutputs* outputs_;
    QMenuBar* menus_;
    QLabel* chemical_;
    QListWidget* parameterList_;
    QTableWidget* input_;
    QPushButton* generate_;
    QComboBox* sampling_;
    QTableWidget* result_;
    QLabel* helpPanel_;
    std::vector<QAction*> fileActions_;
    std::optional<PendingEdit> pending_;
    bool exiting_ = false;
};

// The Monte Carlo exchange's presenter: the window shown modally over the parent. While it is
// open the analysis's busy pointer is lifted; it is back when the window closes.
class QtMonteCarloPresenter final : public MonteCarloPresenter {
public:
    QtMonteCarloPresenter(QWidget* parent, HelpDesk* help, QtMonteCarloOutputs* outputs = nullptr)
        : parent_(parent), help_(help), outputs_(outputs) {}

    void present(MonteCarloForm& form) override;

    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
    HelpDesk* help_;
    QtMonteCarloOutputs* outputs_;
};

} // namespace torval
