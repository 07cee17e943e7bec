#include "ui/MonteCarloDialog.h"

#include "montecarlo/MonteCarloColumns.h"
#include "ui/QtReportPrinter.h"
#include "ui/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <span>

namespace torval {

namespace {

constexpr std::string_view GraphChoice = "Chartix";
constexpr std::string_view NumbersChoice = "Numbers";

QComboBox* dropDown(const std::vector<QString>& choices, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const QString& choice : choices) {
        box->addItem(choice);
    }
    return box;
}

// The input grid's editors: drop-downs for the parameter and the distribution, a line for the
// numbers. A committed text goes to the window (and so to the form), never into the grid: the
// grid shows what the form makes of it.
class InputCellDelegate : public QStyledItemDelegate {
public:
    InputCellDelegate(MonteCarloDialog& window, const ParameterList& parameters)
        : QStyledItemDelegate(&window), window_(window) {
        for (const std::string& name : parameters.names) {
            names_.push_back(qText(name));
        }
        for (std::string_view distribution : DistributionChoices) {
            distributions_.push_back(qText(distribution));
        }
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() == InputColumn::Name) {
            return dropDown(names_, parent);
        }
        if (index.column() == InputColumn::Distribution) {
            return dropDown(distributions_, parent);
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->setCurrentText(index.data().toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        QString text;
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            text = box->currentText();
        } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            text = line->text();
        }
        window_.cellEdited(index.row(), index.column(), text);
    }

private:
    MonteCarloDialog& window_;
    std::vector<QString> names_;
    std::vector<QString> distributions_;
};

QTableWidget* grid(int rows, std::span<const std::string_view> captions,
                   std::span<const std::string_view> tips) {
    auto* table = new QTableWidget(rows, static_cast<int>(captions.size()));
    QStringList headers;
    for (std::string_view caption : captions) {
        headers << qText(caption);
    }
    table->setHorizontalHeaderLabels(headers);
    // Every caption readable; the last column takes what width is left.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setMouseTracking(true);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setToolTip(qText(tips[static_cast<std::size_t>(column)]));
            table->setItem(row, column, item);
        }
    }
    return table;
}

} // namespace

MonteCarloDialog::MonteCarloDialog(MonteCarloForm& form, HelpDesk* help,
                                   QtMonteCarloOutputs* outputs, QWidget* parent)
    : QDialog(parent), form_(form), help_(help), outputs_(outputs), menus_(new QMenuBar),
      chemical_(new QLabel), parameterList_(new QListWidget),
      input_(grid(form.inputRowCount(), InputColumnCaptions, InputColumnTips)),
      generate_(new QPushButton(QStringLiteral("&Generate"))), sampling_(new QComboBox),
      result_(grid(form.resultRowCount(), ResultColumnCaptions, ResultColumnTips)),
      helpPanel_(new QLabel) {
    setWindowTitle(qText(MonteCarloForm::Caption));
    setModal(true);
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus_);
    buildMenus();
    layout->addWidget(chemical_);
    layout->addWidget(buildInputPart(), 1);
    layout->addWidget(buildResultPart(), 1);
    helpPanel_->setFrameShape(QFrame::Panel);
    helpPanel_->setFrameShadow(QFrame::Sunken);
    helpPanel_->setMouseTracking(true);
    helpPanel_->installEventFilter(this);
    layout->addWidget(helpPanel_);
    resize(std::max(1040, sizeHint().width()), std::max(640, sizeHint().height()));
    refresh();
}

QWidget* MonteCarloDialog::buildInputPart() {
    auto* box = new QGroupBox(QStringLiteral("Variants"));
    auto* layout = new QHBoxLayout(box);
    auto* listPart = new QVBoxLayout;
    auto* listCaption = new QLabel(QStringLiteral("&Parameters"));
    listCaption->setBuddy(parameterList_);
    listPart->addWidget(listCaption);
    for (const std::string& name : form_.parameters().names) {
        parameterList_->addItem(qText(name));
    }
    parameterList_->setMouseTracking(true);
    parameterList_->viewport()->installEventFilter(this);
    parameterList_->setMaximumWidth(260);
    listPart->addWidget(parameterList_);
    layout->addLayout(listPart);

    input_->setItemDelegate(new InputCellDelegate(*this, form_.parameters()));
    input_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    input_->viewport()->installEventFilter(this);
    layout->addWidget(input_, 1);

    auto* buttons = new QVBoxLayout;
    generate_->setAutoDefault(false);
    generate_->setToolTip(QStringLiteral("Generate the values of the variants (F7)"));
    connect(generate_, &QPushButton::clicked, this, &MonteCarloDialog::generate);
    buttons->addWidget(generate_);
    buttons->addSpacing(12);
    auto* samplingCaption = new QLabel(QStringLiteral("&Sampling"));
    samplingCaption->setBuddy(sampling_);
    buttons->addWidget(samplingCaption);
    for (std::string_view choice : form_.samplingChoices()) {
        sampling_->addItem(qText(choice));
    }
    sampling_->setCurrentIndex(form_.samplingIndex());
    sampling_->setToolTip(QStringLiteral("How the next generation draws the values"));
    connect(sampling_, &QComboBox::activated, this,
            [this](int index) { form_.chooseSampling(index); });
    buttons->addWidget(sampling_);
    buttons->addStretch();
    layout->addLayout(buttons);
    return box;
}

QWidget* MonteCarloDialog::buildResultPart() {
    auto* box = new QGroupBox(QStringLiteral("Statistics"));
    auto* layout = new QVBoxLayout(box);
    result_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    result_->viewport()->installEventFilter(this);
    result_->installEventFilter(this);
    result_->setToolTip(QStringLiteral("Space or Enter selects like a double click"));
    connect(result_, &QTableWidget::cellDoubleClicked, this, &MonteCarloDialog::chooseStatistic);
    layout->addWidget(result_);
    return box;
}

void MonteCarloDialog::buildMenus() {
    QMenu* file = menus_->addMenu(QStringLiteral("&File"));
    QAction* print = file->addAction(QStringLiteral("&Print"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        commitOpenEditor();
        form_.PrintCommand();
        refresh();
    });
    QAction* preview = file->addAction(QStringLiteral("Print Pre&view"));
    preview->setEnabled(outputs_ != nullptr);
    connect(preview, &QAction::triggered, this, [this] {
        commitOpenEditor();
        outputs_->preview(form_);
        refresh();
    });
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &MonteCarloDialog::exitWindow);
    fileActions_ = {print, preview, exit};

    QAction* generate = new QAction(QStringLiteral("&Generate"), this);
    generate->setShortcut(Qt::Key_F7);
    connect(generate, &QAction::triggered, this, &MonteCarloDialog::generate);
    addAction(generate);

    QMenu* options = menus_->addMenu(QStringLiteral("&Options"));
    const std::pair<QString, std::string_view> views[] = {
        {QStringLiteral("View as &Graphs"), GraphChoice},
        {QStringLiteral("View as &Numbers"), NumbersChoice}};
    for (const auto& [caption, choice] : views) {
        connect(options->addAction(caption), &QAction::triggered, this, [this, choice] {
            commitOpenEditor();
            form_.ViewCommand(choice);
            refresh();
        });
    }

    QMenu* helpMenu = menus_->addMenu(QStringLiteral("&Help"));
    QAction* help = helpMenu->addAction(QStringLiteral("&Help"));
    help->setShortcuts({QKeySequence(Qt::Key_F1), QKeySequence::HelpContents});
    connect(help, &QAction::triggered, this, &MonteCarloDialog::showHelp);
    addAction(help);
}

QAction* MonteCarloDialog::fileAction(int item) const {
    return fileActions_.at(static_cast<std::size_t>(item));
}

void MonteCarloDialog::refresh() {
    chemical_->setText(qText(form_.chemicalCaption()));
    chemical_->setVisible(!form_.chemicalCaption().empty());
    helpPanel_->setText(qText(form_.helpCaption()));
    refreshInputGrid();
    refreshResultGrid();
}

void MonteCarloDialog::refreshInputGrid() {
    for (int row = 0; row < input_->rowCount(); ++row) {
        for (int column = 0; column < InputColumn::Count; ++column) {
            input_->item(row, column)->setText(qText(form_.inputCell(row + 1, column)));
        }
    }
}

void MonteCarloDialog::refreshResultGrid() {
    const QColor red(Qt::red);
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    for (int row = 0; row < result_->rowCount(); ++row) {
        for (int column = 0; column < ResultColumn::Count; ++column) {
            QTableWidgetItem* item = result_->item(row, column);
            item->setText(qText(form_.resultCell(row + 1, column)));
            const bool selected = form_.resultCellColour(row + 1, column) == CellColour::WhiteOnRed;
            item->setBackground(selected ? red : white);
            item->setForeground(selected ? white : black);
        }
    }
}

void MonteCarloDialog::cellEdited(int row, int column, const QString& text) {
    // The form's messages open only once the editor has closed: a message box taking the focus
    // from an open editor would commit it a second time.
    pending_ = PendingEdit{row, column, text};
    QMetaObject::invokeMethod(this, &MonteCarloDialog::forwardPendingEdit, Qt::QueuedConnection);
}

void MonteCarloDialog::forwardPendingEdit() {
    if (!pending_) {
        return;
    }
    const PendingEdit edit = *pending_;
    pending_.reset();
    form_.commitInputCell(edit.row + 1, edit.column, stdText(edit.text));
    refresh();
}

// The editor open in the input grid (if any) hands its text over, and the form gets it now.
void MonteCarloDialog::commitOpenEditor() {
    if (QWidget* editor = input_->indexWidget(input_->currentIndex())) {
        input_->itemDelegate()->setModelData(editor, input_->model(), input_->currentIndex());
        input_->closePersistentEditor(input_->currentItem());
        input_->setFocus();
        input_->setCurrentIndex(input_->currentIndex());
    }
    forwardPendingEdit();
}

void MonteCarloDialog::generate() {
    commitOpenEditor();
    // The form shows its wait caption for as long as it generates; the panel must be painted
    // now to show it at all.
    helpPanel_->setText(qText(MonteCarloForm::PleaseWait));
    helpPanel_->repaint();
    form_.prompter().setBusy(true);
    form_.GenerateCommand();
    form_.prompter().setBusy(false);
    refresh();
}

void MonteCarloDialog::exitWindow() {
    commitOpenEditor();
    form_.ExitCommand();
    refresh();
    if (form_.closed()) {
        exiting_ = true;
        QDialog::accept();
    }
}

void MonteCarloDialog::reject() {
    exitWindow();
}

void MonteCarloDialog::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        exitWindow();
    }
    if (exiting_) {
        event->accept();
    } else {
        event->ignore();
    }
}

// F1 makes the program's start directory current, then asks the help for the Monte Carlo
// topic.
void MonteCarloDialog::showHelp() {
    QDir::setCurrent(qText(form_.state().StartDirectory));
    if (help_ != nullptr) {
        help_->showHelp({HelpRequest::Context, "", HelpRequest::MonteCarloTopic});
    }
}

void MonteCarloDialog::pointerOver(HelpArea area) {
    form_.pointerOver(area);
    helpPanel_->setText(qText(form_.helpCaption()));
}

void MonteCarloDialog::chooseStatistic(int row, int column) {
    form_.ResultDoubleClick(row + 1, column);
    refresh();
}

// Space and Enter on the current cell of the result grid choose as a double click does, so
// the statistics can be chosen without a mouse.
bool MonteCarloDialog::chooseByKey(const QKeyEvent& key) {
    const bool choosing =
        key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const QModelIndex cell = result_->currentIndex();
    const bool plain = key.modifiers() == Qt::NoModifier || key.modifiers() == Qt::KeypadModifier;
    if (!choosing || !plain || !cell.isValid()) {
        return false;
    }
    chooseStatistic(cell.row(), cell.column());
    return true;
}

bool MonteCarloDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == result_ && event->type() == QEvent::KeyPress &&
        chooseByKey(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == input_->viewport()) {
            pointerOver(HelpArea::InputGrid);
        } else if (watched == result_->viewport()) {
            pointerOver(HelpArea::ResultGrid);
        } else if (watched == parameterList_->viewport()) {
            pointerOver(HelpArea::ParameterList);
        } else if (watched == helpPanel_) {
            pointerOver(HelpArea::HelpPanel);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MonteCarloDialog::mouseMoveEvent(QMouseEvent* event) {
    pointerOver(HelpArea::WindowFrame);
    QDialog::mouseMoveEvent(event);
}

// The analysis shows the busy pointer while it opens the window; the user works in it with
// the normal one.
void QtMonteCarloPresenter::present(MonteCarloForm& form) {
    form.prompter().setBusy(false);
    MonteCarloDialog window(form, help_, outputs_, parent_);
    window.exec();
}

} // namespace torval
