#include "ui/RiskAnalysisWindow.h"

#include "ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace torval {

namespace {

AnalysisServices ownServices(AnalysisServices services, WindowCloser* closer, EventPump* pump) {
    services.window = closer;
    services.events = pump;
    return services;
}

// The highlight of the caption of the entry that has the focus: blue text on a raised panel.
// Set only when it changes, so that mirroring repaints nothing that stays as it was.
void showHighlight(QLabel* caption, bool highlighted) {
    const QColor text = highlighted ? QColor(0, 0, 255) : QColor(0, 0, 0);
    if (caption->palette().color(QPalette::WindowText) != text) {
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, text);
        caption->setPalette(palette);
    }
    const QFrame::Shadow shadow = highlighted ? QFrame::Raised : QFrame::Sunken;
    if (caption->frameShadow() != shadow) {
        caption->setFrameShadow(shadow);
    }
}

// An entry holding a Monte Carlo reference is drawn in red and takes no typing.
void showReference(QLineEdit* entry, bool red, bool readOnly) {
    QPalette palette = entry->palette();
    const QColor text = red ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Text);
    if (palette.color(QPalette::Text) != text) {
        palette.setColor(QPalette::Text, text);
        entry->setPalette(palette);
    }
    entry->setReadOnly(readOnly || red);
}

// A new text is shown from its start, except one that begins with blanks (a Monte Carlo
// reference keeps its hidden part in front): that one is shown from its end.
void setTextKeepingCursor(QLineEdit* entry, const QString& text) {
    if (entry->text() != text) {
        entry->setText(text);
        entry->setCursorPosition(text.startsWith(QLatin1Char(' ')) ? text.size() : 0);
    }
}

QIcon optionPicture(const QString& appPath, OptionPicture picture) {
    return QIcon(qText(optionPicturePath(stdText(appPath), picture)));
}

} // namespace

RiskAnalysis::RiskAnalysis(AppState& state, Prompter& prompter, AnalysisServices services,
                           const QString& appPath, QWidget* parent)
    : QMainWindow(parent), form_(state, prompter, ownServices(services, this, this)),
      events_(services.events), appPath_(appPath) {
    setObjectName(QStringLiteral("RiskAnalysis"));
    // Closing unloads the window; the next New or Open Application builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    buildRows();
    buildMenus();
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(buildTopPanel());
    tabs_ = new QTabWidget;
    tabs_->addTab(buildDataPage(), tr("PLUMEX &Data and Intervals"));
    tabs_->addTab(buildIntakePage(), tr("&Concentration and Intake"));
    layout->addWidget(tabs_, 1);
    layout->addWidget(buildRunPanel());
    setCentralWidget(client);
    status_ = new QLabel;
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    mirror();
    resize(sizeHint().expandedTo(QSize(900, 0)));
}

RiskAnalysis::~RiskAnalysis() {
    disconnect(qApp, nullptr, this, nullptr);
    holdOtherWindows(false);
}

void RiskAnalysis::showAnalysis() {
    forward([this] { form_.load(); });
    if (!isVisible()) {
        if (const QScreen* screen = this->screen()) {
            const QRect available = screen->availableGeometry();
            move(available.center() - rect().center());
        }
    }
    show();
    raise();
    activateWindow();
}

void RiskAnalysis::closeAnalysisWindow() {
    close();
}

// A running calculation holds this window's state: the window stays until it ends.
void RiskAnalysis::closeEvent(QCloseEvent* event) {
    if (form_.driver().isRunning()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// A message box or dialog opened during a run takes the activation: the window behind it must
// paint what it shows.
void RiskAnalysis::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && paintingHeld_ && !isActiveWindow()) {
        paintingHeld_ = false;
        setUpdatesEnabled(true);
    }
    QMainWindow::changeEvent(event);
}

void RiskAnalysis::pump() {
    mirror();
    if (events_ != nullptr) {
        events_->pump();
    }
}

// Every action of the user goes to the form, and the window then shows what the form decided.
// Focus moves while an action is under way (a message box, a dialog, the run's own pumping)
// are not the user's moves between entries: the mirror afterwards puts the focus where the form
// wants it.
void RiskAnalysis::forward(const std::function<void()>& action) {
    ++actionDepth_;
    action();
    --actionDepth_;
    mirror();
}

void RiskAnalysis::connectRow(int row) {
    RowWidgets& widgets = rows_[static_cast<std::size_t>(row)];
    widgets.entry->installEventFilter(this);
    if (AnalysisRows::isEditable(row)) {
        connect(widgets.entry, &QLineEdit::textEdited, this, [this, row](const QString& text) {
            forward([this, row, &text] { form_.editEntry(row, stdText(text)); });
        });
    }
    if (widgets.box != nullptr) {
        connect(widgets.box, &QComboBox::textActivated, this, [this, row](const QString& text) {
            forward([this, row, &text] { form_.editEntry(row, stdText(text)); });
        });
    }
}

void RiskAnalysis::dispatchMenu(AnalysisMenu menu, int index) {
    forward([this, menu, index] {
        switch (menu) {
        case AnalysisMenu::File:
            form_.FileCommand(index);
            break;
        case AnalysisMenu::Results:
            form_.ResultsCommand(index);
            break;
        case AnalysisMenu::PlumexData:
            form_.PlumexDataCommand(index);
            break;
        case AnalysisMenu::MonteCarlo:
            form_.MonteCarloCommand();
            break;
        case AnalysisMenu::Help:
            form_.HelpCommand(index);
            break;
        case AnalysisMenu::Calculation:
            form_.CalculationCommand();
            break;
        }
    });
}

// A click on an entry (its release, as a click is counted) goes to the form, which may say why
// the entry cannot be changed; the focus itself came with the press.
bool RiskAnalysis::eventFilter(QObject* watched, QEvent* event) {
    if (holdingOtherWindows_ && isInputForOtherWindow(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && actionDepth_ == 0) {
        const int row = rowOf(watched);
        if (row != AnalysisRows::NoFocus && static_cast<QWidget*>(watched)->isEnabled()) {
            forward([this, row] { form_.clickEntry(row); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// While a calculation runs, the main window (or any other) must not replace the analysis under
// it: the user's input to them is held back until the run ends, as the disabled menus hold back
// this window's. A message box or dialog the run shows stays usable.
void RiskAnalysis::holdOtherWindows(bool hold) {
    if (hold == holdingOtherWindows_) {
        return;
    }
    holdingOtherWindows_ = hold;
    if (hold) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

bool RiskAnalysis::isInputForOtherWindow(QObject* watched, QEvent* event) const {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::Close:
        break;
    default:
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    const QWidget* window = widget->window();
    return window != this && window != QApplication::activeModalWidget();
}

void RiskAnalysis::focusChanged(QWidget* now) {
    if (actionDepth_ > 0 || mirroring_ || now == nullptr || now->window() != this) {
        return;
    }
    const int row = rowOf(now);
    forward([this, row] {
        if (row == AnalysisRows::NoFocus) {
            form_.focusElsewhere();
        } else {
            form_.focusEntry(row);
        }
    });
}

int RiskAnalysis::rowOf(const QObject* widget) const {
    for (int row = 0; row < AnalysisRows::Count; ++row) {
        const RowWidgets& widgets = rows_[static_cast<std::size_t>(row)];
        if (widget == widgets.entry || (widgets.box != nullptr && widget == widgets.box)) {
            return row;
        }
    }
    return AnalysisRows::NoFocus;
}

void RiskAnalysis::mirror() {
    const bool wasMirroring = mirroring_;
    mirroring_ = true;
    paceRunPainting();
    const AnalysisControls& controls = form_.controls();
    setWindowTitle(qText(controls.title));
    for (int row = 0; row < AnalysisRows::Count; ++row) {
        mirrorRow(row);
    }
    mirrorOptions();
    chemicalPanel_->setVisible(controls.chemicalPanelVisible);
    chemicalName_->setText(qText(controls.chemicalName));
    intervalFrame_->setVisible(controls.intervalFrameVisible);
    monteCarloPanel_->setText(qText(controls.kindLabel));
    tabs_->setEnabled(controls.dataAreaEnabled);
    holdOtherWindows(form_.driver().isRunning());
    mirrorMenus();
    mirrorRunDisplay();
    mirrorPage();
    mirrorFocus();
    mirroring_ = wasMirroring;
}

// A run's display (the greyed data area and menus, the progress bar, Stop) is painted once the
// run has lasted long enough to be seen: a shorter run would only flash the whole window grey,
// and that paint would cost more than the run. The widgets follow the form at once all the same,
// so the input is locked from the first pump; only the painting waits.
void RiskAnalysis::paceRunPainting() {
    constexpr qint64 UnpaintedRunMilliseconds = 100;
    const bool running = form_.driver().isRunning();
    if (running && !runClock_.isValid()) {
        runClock_.start();
        paintingHeld_ = true;
        setUpdatesEnabled(false);
    } else if (paintingHeld_ && (!running || runClock_.elapsed() >= UnpaintedRunMilliseconds)) {
        paintingHeld_ = false;
        setUpdatesEnabled(true);
    }
    if (!running) {
        runClock_.invalidate();
    }
}

void RiskAnalysis::mirrorRow(int row) {
    const AnalysisRow& model = form_.row(row);
    const RowWidgets& widgets = rows_[static_cast<std::size_t>(row)];
    widgets.caption->setText(qText(model.caption));
    showHighlight(widgets.caption, model.highlighted);
    widgets.unit->setText(qText(model.unit));
    if (widgets.box != nullptr) {
        QStringList list;
        for (const std::string& value : model.list) {
            list << qText(value);
        }
        QStringList shown;
        for (int index = 0; index < widgets.box->count(); ++index) {
            shown << widgets.box->itemText(index);
        }
        if (shown != list) {
            widgets.box->clear();
            widgets.box->addItems(list);
        }
        widgets.box->setVisible(model.visible);
        widgets.box->setEnabled(model.enabled);
    } else {
        widgets.entry->setVisible(model.visible);
        widgets.entry->setEnabled(model.enabled);
    }
    setTextKeepingCursor(widgets.entry, qText(model.text));
    if (AnalysisRows::isDisplayOnly(row)) {
        widgets.entry->setToolTip(widgets.entry->text());
    }
    showReference(widgets.entry, model.red(),
                  AnalysisRows::isDisplayOnly(row) || row == AnalysisRows::Result);
    widgets.caption->setVisible(model.visible);
    widgets.unit->setVisible(model.visible);
}

void RiskAnalysis::mirrorOptions() {
    const AnalysisControls& controls = form_.controls();
    for (std::size_t option = 0; option < concentrationOptions_.size(); ++option) {
        QRadioButton* button = concentrationOptions_[option];
        button->setChecked(static_cast<int>(option) == controls.concentrationOption);
        const OptionPicture picture = controls.concentrationPictures[option];
        if (button->property("picture").toInt() != static_cast<int>(picture) + 1) {
            button->setIcon(optionPicture(appPath_, picture));
            button->setProperty("picture", static_cast<int>(picture) + 1);
        }
    }
    for (std::size_t code = 0; code < pathwayOptions_.size(); ++code) {
        pathwayOptions_[code]->setChecked(static_cast<int>(code) == controls.pathwayOption);
    }
}

void RiskAnalysis::mirrorMenus() {
    const AnalysisMenuBar& bar = form_.controls().menus;
    for (const Menu& menu : bar.menus()) {
        if (menu.id == AnalysisMenu::Calculation) {
            calculation_->setEnabled(menu.enabled);
            continue;
        }
        menus_.at(menu.id)->menuAction()->setEnabled(menu.enabled);
        for (const MenuItem& item : menu.items) {
            if (const auto found = actions_.find({menu.id, item.index}); found != actions_.end()) {
                found->second->setEnabled(menu.enabled && item.enabled);
                found->second->setVisible(item.visible);
            }
        }
    }
}

void RiskAnalysis::mirrorRunDisplay() {
    const AnalysisControls& controls = form_.controls();
    progress_->setVisible(controls.progress.visible);
    progress_->setRange(static_cast<int>(controls.progress.minimum),
                        static_cast<int>(controls.progress.maximum));
    progress_->setValue(static_cast<int>(controls.progress.value));
    stop_->setVisible(controls.stopVisible);
    stop_->setEnabled(controls.stopEnabled);
    status_->setText(qText(controls.statusText));
}

// The form names the page to show when its rules move there; otherwise the page the user chose
// stays.
void RiskAnalysis::mirrorPage() {
    const int page = form_.controls().tabPage;
    if (page != shownModelPage_) {
        shownModelPage_ = page;
        tabs_->setCurrentIndex(page);
    }
}

void RiskAnalysis::mirrorFocus() {
    if (!isVisible() || !isActiveWindow()) {
        return;
    }
    const int row = form_.controls().focusedRow;
    QWidget* focused = QApplication::focusWidget();
    if (row == AnalysisRows::NoFocus) {
        // An entry shown with the focus would not be the one the form's rules act on.
        if (rowOf(focused) != AnalysisRows::NoFocus) {
            tabs_->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    const RowWidgets& widgets = rows_[static_cast<std::size_t>(row)];
    if (focused == widgets.entry || (widgets.box != nullptr && focused == widgets.box)) {
        return;
    }
    tabs_->setCurrentIndex(AnalysisPages::pageOf(row));
    QWidget* target = widgets.box != nullptr ? static_cast<QWidget*>(widgets.box) : widgets.entry;
    target->setFocus(Qt::OtherFocusReason);
}

QLabel* RiskAnalysis::caption(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).caption;
}

QLineEdit* RiskAnalysis::entry(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).entry;
}

QComboBox* RiskAnalysis::parameterBox(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).box;
}

QLabel* RiskAnalysis::unit(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).unit;
}

QRadioButton* RiskAnalysis::concentrationOption(int option) const {
    return concentrationOptions_.at(static_cast<std::size_t>(option));
}

QRadioButton* RiskAnalysis::pathwayOption(int code) const {
    return pathwayOptions_.at(static_cast<std::size_t>(code));
}

QAction* RiskAnalysis::menuAction(AnalysisMenu menu, int index) const {
    const auto found = actions_.find({menu, index});
    return found != actions_.end() ? found->second : nullptr;
}

QMenu* RiskAnalysis::menu(AnalysisMenu menu) const {
    const auto found = menus_.find(menu);
    return found != menus_.end() ? found->second : nullptr;
}

} // namespace torval
