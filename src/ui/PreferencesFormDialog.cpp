#include "ui/PreferencesFormDialog.h"

#include "ui/QtText.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace torval {

namespace {

constexpr int FirstPlumexField = 3;

QGroupBox* panel(std::string_view caption, QLabel* content) {
    auto* box = new QGroupBox(qText(caption));
    auto* layout = new QVBoxLayout(box);
    content->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(content);
    return box;
}

} // namespace

PreferencesFormDialog::PreferencesFormDialog(PreferencesForm& form, QWidget* parent)
    : QDialog(parent), form_(form), save_(new QPushButton(qText(PreferencesForm::SaveCaption))),
      newVersion_(new QRadioButton(qText(PreferencesForm::NewVersionCaption))),
      originalVersion_(new QRadioButton(qText(PreferencesForm::OriginalVersionCaption))),
      iniFile_(new QLabel), freeSpace_(new QLabel), status_(new QStatusBar), menus_(new QMenuBar) {
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus_);
    buildMenus();

    auto* general = new QGridLayout;
    for (int index = 0; index < FirstPlumexField; ++index) {
        general->addWidget(new QLabel(qText(PreferencesForm::fieldLabel(index))), index, 0);
        general->addWidget(fieldRow(index), index, 1);
    }
    layout->addLayout(general);

    auto* plumex = new QGroupBox(qText(PreferencesForm::PlumexGroupCaption));
    auto* plumexLayout = new QGridLayout(plumex);
    for (int index = FirstPlumexField; index < PreferencesForm::FieldCount; ++index) {
        plumexLayout->addWidget(new QLabel(qText(PreferencesForm::fieldLabel(index))),
                                index - FirstPlumexField, 0);
        plumexLayout->addWidget(fieldRow(index), index - FirstPlumexField, 1);
    }
    layout->addWidget(plumex);

    layout->addWidget(panel(PreferencesForm::IniFileCaption, iniFile_));
    layout->addWidget(panel(PreferencesForm::FreeSpaceCaption, freeSpace_));

    auto* graph = new QGroupBox(qText(PreferencesForm::GraphChoiceCaption));
    auto* graphLayout = new QHBoxLayout(graph);
    graphLayout->addWidget(newVersion_);
    graphLayout->addWidget(originalVersion_);
    layout->addWidget(graph);
    connect(newVersion_, &QRadioButton::clicked, this, [this] {
        form_.chooseGraphVersion(GraphVersion::New);
        afterModel();
    });
    connect(originalVersion_, &QRadioButton::clicked, this, [this] {
        form_.chooseGraphVersion(GraphVersion::Original);
        afterModel();
    });

    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(save_);
    layout->addLayout(saveRow);
    save_->installEventFilter(this);
    connect(save_, &QPushButton::clicked, this, [this] {
        form_.save();
        afterModel();
    });

    status_->setSizeGripEnabled(false);
    layout->addWidget(status_);
    // 6630 by 7260 twips at 15 twips a pixel, or what the contents need when that is more.
    resize(std::max(442, sizeHint().width()), std::max(484, sizeHint().height()));
    refresh();
}

QWidget* PreferencesFormDialog::fieldRow(int index) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit;
    edit->setMinimumWidth(260);
    auto* browse = new QPushButton(qText(PreferencesForm::BrowseCaption));
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    fields_.at(static_cast<std::size_t>(index)) = edit;
    browse_.at(static_cast<std::size_t>(index)) = browse;
    edit->installEventFilter(this);
    browse->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this,
            [this, index](const QString& text) { form_.setFieldText(index, stdText(text)); });
    connect(browse, &QPushButton::clicked, this, [this, index] {
        form_.browseForField(index);
        afterModel();
    });
    return row;
}

void PreferencesFormDialog::buildMenus() {
    QMenu* file = menus_->addMenu(QStringLiteral("&File"));
    connect(file->addAction(qText(PreferencesForm::SaveCaption)), &QAction::triggered, save_,
            &QPushButton::click);
    file->addSeparator();
    connect(file->addAction(qText(PreferencesForm::ExitCaption)), &QAction::triggered, this,
            &QDialog::close);

    QMenu* edit = menus_->addMenu(QStringLiteral("&Edit"));
    QMenu* plumex = nullptr;
    for (const PreferencesMenuItem& item : PreferencesForm::menuItems()) {
        QMenu* menu = item.menu == PreferencesMenu::Edit ? edit : plumex;
        if (menu == nullptr) {
            continue;
        }
        if (item.caption == "-") {
            menu->addSeparator();
            continue;
        }
        if (item.menu == PreferencesMenu::Edit && item.index == 40) {
            plumex = edit->addMenu(qText(item.caption));
            continue;
        }
        QAction* action = menu->addAction(qText(item.caption));
        action->setEnabled(item.enabled);
        action->setData(item.index);
        connect(action, &QAction::triggered, this, [this, item] {
            form_.chooseMenuItem(item.menu, item.index);
            afterModel();
        });
    }
}

void PreferencesFormDialog::refresh() {
    for (int index = 0; index < PreferencesForm::FieldCount; ++index) {
        QLineEdit* edit = field(index);
        const QString text = qText(form_.fieldText(index));
        if (edit->text() != text) {
            edit->setText(text);
        }
    }
    iniFile_->setText(qText(form_.iniFileText()));
    freeSpace_->setText(qText(form_.freeSpaceText()));
    newVersion_->setChecked(form_.graphVersion() == GraphVersion::New);
    originalVersion_->setChecked(form_.graphVersion() == GraphVersion::Original);
    status_->showMessage(qText(form_.statusText()));
}

void PreferencesFormDialog::afterModel() {
    refresh();
}

bool PreferencesFormDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    for (int index = 0; index < PreferencesForm::FieldCount; ++index) {
        if (watched == field(index)) {
            if (type == QEvent::FocusIn) {
                form_.enterField(index);
            } else if (type == QEvent::FocusOut) {
                form_.leaveField(index);
            } else if (type == QEvent::Enter) {
                form_.pointerOverField(index);
            }
        } else if (watched == browseButton(index) && type == QEvent::Enter) {
            form_.pointerOverBrowseButton(index);
        }
    }
    if (watched == save_ && type == QEvent::Enter) {
        form_.pointerOverSaveButton();
    }
    // Leaving a control puts the pointer back over the window itself.
    if (type == QEvent::Leave) {
        form_.pointerOverBackground();
    }
    if (type == QEvent::Enter || type == QEvent::Leave || type == QEvent::FocusIn ||
        type == QEvent::FocusOut) {
        status_->showMessage(qText(form_.statusText()));
    }
    return QDialog::eventFilter(watched, event);
}

void PreferencesFormDialog::enterEvent(QEnterEvent* event) {
    form_.pointerOverBackground();
    status_->showMessage(qText(form_.statusText()));
    QDialog::enterEvent(event);
}

void PreferencesFormDialog::reject() {
    close();
}

void PreferencesFormDialog::closeEvent(QCloseEvent* event) {
    // The field being edited counts as left, so its change is seen by the check.
    if (QWidget* focused = focusWidget()) {
        for (int index = 0; index < PreferencesForm::FieldCount; ++index) {
            if (focused == field(index)) {
                form_.leaveField(index);
                form_.enterField(index);
            }
        }
    }
    if (form_.requestClose()) {
        event->accept();
        QDialog::reject();
    } else {
        event->ignore();
        refresh();
    }
}

} // namespace torval
