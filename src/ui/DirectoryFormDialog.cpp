#include "ui/DirectoryFormDialog.h"

#include "ui/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace torval {

namespace {

// The directory list's first row leads to the parent directory.
const QString ParentRow = QStringLiteral("..");

QLabel* labelFor(std::string_view caption, QWidget* buddy) {
    auto* label = new QLabel(qText(caption));
    label->setBuddy(buddy);
    return label;
}

} // namespace

DirectoryFormDialog::DirectoryFormDialog(DirectoryForm& form, QWidget* parent)
    : QDialog(parent), form_(form), drives_(new QComboBox), directories_(new QListWidget),
      files_(new QListWidget), fileTypes_(new QComboBox), text_(new QLineEdit) {
    setWindowTitle(qText(DirectoryForm::Caption));
    setModal(true);
    for (const std::string& drive : DirectoryForm::drives()) {
        drives_->addItem(qText(drive));
    }
    for (const std::string& type : form_.fileTypes()) {
        fileTypes_->addItem(qText(type));
    }
    fileTypes_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fileTypes_->setMinimumContentsLength(24);
    files_->setSelectionMode(QAbstractItemView::NoSelection);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(qText(DirectoryForm::OkCaption), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(qText(DirectoryForm::CancelCaption), QDialogButtonBox::RejectRole);

    auto* grid = new QGridLayout(this);
    grid->addWidget(labelFor(DirectoryForm::DirectoryLabel, text_), 0, 0);
    grid->addWidget(text_, 1, 0);
    grid->addWidget(directories_, 2, 0);
    grid->addWidget(labelFor(DirectoryForm::DriveLabel, drives_), 3, 0);
    grid->addWidget(drives_, 4, 0);
    grid->addWidget(labelFor(DirectoryForm::FilesLabel, files_), 0, 1);
    grid->addWidget(files_, 1, 1, 2, 1);
    grid->addWidget(labelFor(DirectoryForm::FileTypeLabel, fileTypes_), 3, 1);
    grid->addWidget(fileTypes_, 4, 1);
    grid->addWidget(buttons, 5, 0, 1, 2);
    resize(560, 380);

    connect(buttons, &QDialogButtonBox::accepted, this, &DirectoryFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DirectoryFormDialog::reject);
    // Refilling the list deletes the clicked row, so the click is handled once it is over.
    connect(directories_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString name = item->text();
        QMetaObject::invokeMethod(
            this, [this, name] { openListedDirectory(name); }, Qt::QueuedConnection);
    });
    connect(drives_, &QComboBox::activated, this, [this](int index) {
        form_.changeDrive(stdText(drives_->itemText(index)));
        refresh();
    });
    connect(fileTypes_, &QComboBox::activated, this, [this](int index) {
        form_.chooseFileType(static_cast<std::size_t>(index));
        refresh();
    });
    connect(text_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.setText(stdText(text)); });
    refresh();
}

void DirectoryFormDialog::openListedDirectory(const QString& name) {
    if (name == ParentRow) {
        form_.openParent();
    } else {
        form_.openSubdirectory(stdText(name));
    }
    refresh();
}

void DirectoryFormDialog::refresh() {
    const int driveIndex = drives_->findText(qText(form_.drive()));
    if (driveIndex >= 0) {
        drives_->setCurrentIndex(driveIndex);
    }
    directories_->clear();
    directories_->addItem(ParentRow);
    for (const std::string& name : form_.subdirectories()) {
        directories_->addItem(qText(name));
    }
    files_->clear();
    for (const std::string& name : form_.files()) {
        files_->addItem(qText(name));
    }
    text_->setText(qText(form_.text()));
}

void DirectoryFormDialog::accept() {
    form_.setText(stdText(text_->text()));
    if (form_.ok()) {
        QDialog::accept();
    }
}

void DirectoryFormDialog::reject() {
    form_.cancel();
    QDialog::reject();
}

} // namespace torval
