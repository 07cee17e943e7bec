// The widgets of the analysis window and where they sit: the numbered rows in their frames on
// the two pages of the tabbed area, the chemical panel, the "Monte Carlo" panel with the
// progress bar and Stop, the status bar and the menu bar built from the form's menu table.

#include "intake/Pathways.h"
#include "ui/QtText.h"
#include "ui/RiskAnalysisWindow.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace torval {

namespace {

constexpr int EntryWidth = 210;
constexpr int UnitWidth = 96;
constexpr int ButtonColumn = 3; // the data-file button's column, kept in both frames of page 0
constexpr int ButtonWidth = 110;

// A titled frame of rows whose caption column (`stretching`) takes the free width.
QGroupBox* frame(const char* title, int stretching = 0) {
    auto* box = new QGroupBox(QString::fromLatin1(title));
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(stretching, 1);
    grid->setVerticalSpacing(4);
    return box;
}

QGridLayout* gridOf(QGroupBox* box) {
    return static_cast<QGridLayout*>(box->layout());
}

// Standard key combinations beside the described menu items; where the platform defines none
// (Save As on some), the common one.
QList<QKeySequence> shortcutsOf(AnalysisMenu menu, int index) {
    struct Binding {
        int index;
        QKeySequence::StandardKey key;
        QKeySequence fallback;
    };
    static const Binding Bindings[] = {
        {FileItem::NewApplication, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {FileItem::OpenApplication, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {FileItem::SaveApplication, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {FileItem::SaveApplicationAs, QKeySequence::SaveAs,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {FileItem::Print, QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {FileItem::ReturnToMainForm, QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)},
    };
    if (menu != AnalysisMenu::File) {
        return {};
    }
    for (const Binding& binding : Bindings) {
        if (binding.index == index) {
            const QList<QKeySequence> standard = QKeySequence::keyBindings(binding.key);
            return standard.isEmpty() ? QList<QKeySequence>{binding.fallback} : standard;
        }
    }
    return {};
}

} // namespace

void RiskAnalysis::buildRows() {
    for (int row = 0; row < AnalysisRows::Count; ++row) {
        RowWidgets& widgets = rows_[static_cast<std::size_t>(row)];
        widgets.caption = new QLabel;
        widgets.caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        widgets.caption->setMinimumWidth(260);
        widgets.unit = new QLabel;
        widgets.unit->setFixedWidth(UnitWidth);
        if (AnalysisRows::isParameter(row)) {
            widgets.box = new QComboBox;
            widgets.box->setEditable(true);
            widgets.box->setInsertPolicy(QComboBox::NoInsert);
            widgets.box->setFixedWidth(EntryWidth);
            widgets.entry = widgets.box->lineEdit();
        } else {
            widgets.entry = new QLineEdit;
            widgets.entry->setFixedWidth(EntryWidth);
        }
        widgets.caption->setBuddy(widgets.box != nullptr ? static_cast<QWidget*>(widgets.box)
                                                         : widgets.entry);
        if (AnalysisRows::isDisplayOnly(row) || row == AnalysisRows::Result) {
            widgets.entry->setReadOnly(true);
        }
        if (AnalysisRows::isDisplayOnly(row)) {
            // Rows 0 to 5 never keep the focus; a click on one goes to the form.
            widgets.entry->setFocusPolicy(Qt::NoFocus);
        }
        widgets.entry->setObjectName(QStringLiteral("entry%1").arg(row));
        connectRow(row);
    }
}

void RiskAnalysis::addRow(QGridLayout* grid, int row, int line, int firstColumn) {
    const RowWidgets& widgets = rows_[static_cast<std::size_t>(row)];
    grid->addWidget(widgets.caption, line, firstColumn);
    grid->addWidget(widgets.box != nullptr ? static_cast<QWidget*>(widgets.box) : widgets.entry,
                    line, firstColumn + 1);
    grid->addWidget(widgets.unit, line, firstColumn + 2);
}

// Page 0: the data set (rows 0 to 5) and the intervals (rows 6 to 9). The rows of axes the data
// set lacks are hidden, and hidden rows take no room, so the shown ones stack without gaps.
QWidget* RiskAnalysis::buildDataPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* data = frame("PLUMEX Data");
    for (int row = AnalysisRows::DataModel; row <= AnalysisRows::LastCoordinate; ++row) {
        addRow(gridOf(data), row, row);
    }
    // The names of the data are longer than a number: their entries take the unit's room too.
    for (int row : {AnalysisRows::DataModel, AnalysisRows::DataFileName}) {
        QLineEdit* name = rows_[static_cast<std::size_t>(row)].entry;
        name->setFixedWidth(EntryWidth + UnitWidth + gridOf(data)->horizontalSpacing());
        gridOf(data)->addWidget(name, row, 1, 1, 2);
    }
    dataFileButton_ = new QPushButton(tr("&Data File..."));
    dataFileButton_->setToolTip(tr("Change Datafile"));
    dataFileButton_->setFixedWidth(ButtonWidth);
    gridOf(data)->addWidget(dataFileButton_, AnalysisRows::DataFileName, ButtonColumn);
    gridOf(data)->setColumnMinimumWidth(ButtonColumn, ButtonWidth);
    connect(dataFileButton_, &QPushButton::clicked, this,
            [this] { forward([this] { form_.NewCommand(); }); });
    layout->addWidget(data);

    intervalFrame_ = frame("Selection of Intervals for Average Concentration");
    for (int row = AnalysisRows::FirstInterval; row <= AnalysisRows::LastInterval; ++row) {
        addRow(gridOf(intervalFrame_), row, row - AnalysisRows::FirstInterval);
    }
    gridOf(intervalFrame_)->setColumnMinimumWidth(ButtonColumn, ButtonWidth);
    layout->addWidget(intervalFrame_);
    layout->addStretch(1);
    return page;
}

// Page 1: the concentration choice (rows 10 to 12), the nine pathways, the parameters of the
// chosen one (rows 13 to 19) and the intake (row 20).
QWidget* RiskAnalysis::buildIntakePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* concentration = frame("Chemical Concentration", 1);
    for (int option = 0; option < 3; ++option) {
        auto* button = new QRadioButton;
        button->setObjectName(QStringLiteral("concentrationOption%1").arg(option));
        button->setIconSize(QSize(16, 16));
        // The pictures stand for the check mark.
        button->setStyleSheet(QStringLiteral(
            "QRadioButton { spacing: 0px; } QRadioButton::indicator { width: 0px; height: 0px; }"));
        concentrationOptions_[static_cast<std::size_t>(option)] = button;
        gridOf(concentration)->addWidget(button, option, 0);
        addRow(gridOf(concentration), AnalysisRows::concentrationRowOf(option), option, 1);
        connect(button, &QRadioButton::clicked, this,
                [this, option] { forward([this, option] { form_.selectConcentration(option); }); });
    }
    layout->addWidget(concentration);

    QGroupBox* pathways = frame("Intake of Chemicals");
    for (int code = 0; code < PathwayCount; ++code) {
        auto* button = new QRadioButton(qText(pathwayInfo(code).caption));
        button->setObjectName(QStringLiteral("pathwayOption%1").arg(code));
        pathwayOptions_[static_cast<std::size_t>(code)] = button;
        gridOf(pathways)->addWidget(button, code / 3, code % 3);
        connect(button, &QRadioButton::clicked, this,
                [this, code] { forward([this, code] { form_.selectPathway(code); }); });
    }
    layout->addWidget(pathways);

    auto* parameters = new QGroupBox;
    auto* grid = new QGridLayout(parameters);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(4);
    for (int row = AnalysisRows::FirstParameter; row <= AnalysisRows::Result; ++row) {
        addRow(grid, row, row - AnalysisRows::FirstParameter);
    }
    layout->addWidget(parameters);
    layout->addStretch(1);
    return page;
}

// Above the tabbed area: the chemical of a data set with several, and its select button.
QWidget* RiskAnalysis::buildTopPanel() {
    chemicalPanel_ = new QWidget;
    auto* layout = new QHBoxLayout(chemicalPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("  Chemical Selected:"));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    chemicalName_ = new QLabel;
    chemicalName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    chemicalName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chemicalButton_ = new QPushButton(tr("&Select Chemical..."));
    connect(chemicalButton_, &QPushButton::clicked, this,
            [this] { forward([this] { form_.SelectChemicalCommand(); }); });
    layout->addWidget(label);
    layout->addWidget(chemicalName_, 1);
    layout->addWidget(chemicalButton_);
    return chemicalPanel_;
}

// Below the tabbed area: the "Monte Carlo" panel, whose caption tells the calculation kind,
// and, while a calculation runs, the progress bar and Stop.
QWidget* RiskAnalysis::buildRunPanel() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    monteCarloPanel_ = new QPushButton;
    monteCarloPanel_->setObjectName(QStringLiteral("MonteCarloPanel"));
    monteCarloPanel_->setToolTip(QStringLiteral("Monte Carlo"));
    monteCarloPanel_->setMinimumWidth(150);
    connect(monteCarloPanel_, &QPushButton::clicked, this,
            [this] { forward([this] { form_.MonteCarloCommand(); }); });
    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    stop_ = new QPushButton(tr("Stop"));
    connect(stop_, &QPushButton::clicked, this,
            [this] { forward([this] { form_.StopCommand(); }); });
    // Their room is kept while they are hidden, so a run does not lay the window out anew.
    for (QWidget* runControl : {static_cast<QWidget*>(progress_), static_cast<QWidget*>(stop_)}) {
        QSizePolicy policy = runControl->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        runControl->setSizePolicy(policy);
    }
    layout->addWidget(monteCarloPanel_);
    layout->addWidget(progress_, 1);
    layout->addWidget(stop_);
    layout->addStretch(0);
    return panel;
}

void RiskAnalysis::buildMenus() {
    for (const Menu& menu : form_.controls().menus.menus()) {
        if (menu.items.empty()) { // "&Calculation!" is a command of the menu bar itself
            calculation_ = menuBar()->addAction(qText(menu.caption));
            calculation_->setShortcut(QKeySequence(Qt::Key_F5));
            connect(calculation_, &QAction::triggered, this,
                    [this] { forward([this] { form_.CalculationCommand(); }); });
            continue;
        }
        QMenu* qmenu = menuBar()->addMenu(qText(menu.caption));
        menus_[menu.id] = qmenu;
        for (const MenuItem& item : menu.items) {
            QAction* action =
                item.isSeparator() ? qmenu->addSeparator() : qmenu->addAction(qText(item.caption));
            action->setObjectName(
                QStringLiteral("analysis%1_%2").arg(static_cast<int>(menu.id)).arg(item.index));
            if (item.isSeparator()) {
                continue;
            }
            action->setShortcuts(shortcutsOf(menu.id, item.index));
            actions_[{menu.id, item.index}] = action;
            const AnalysisMenu id = menu.id;
            const int index = item.index;
            connect(action, &QAction::triggered, this,
                    [this, id, index] { dispatchMenu(id, index); });
        }
    }
}

} // namespace torval
