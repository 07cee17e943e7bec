#include "ui/NewFormDialog.h"

#include "ui/QtText.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torval {

NewFormDialog::NewFormDialog(NewForm& form, QWidget* parent)
    : QDialog(parent), form_(form), options_(new QButtonGroup(this)) {
    setWindowTitle(qText(NewForm::Caption));
    setModal(true);
    auto* frame = new QGroupBox(qText(NewForm::FrameCaption));
    auto* frameLayout = new QVBoxLayout(frame);
    for (int index = 0; index < static_cast<int>(MediumOptions.size()); ++index) {
        auto* button =
            new QRadioButton(qText(MediumOptions[static_cast<std::size_t>(index)].caption));
        options_->addButton(button, index);
        frameLayout->addWidget(button);
    }
    options_->button(form_.selectedOption())->setChecked(true);
    connect(options_, &QButtonGroup::idClicked, this, [this](int index) {
        form_.selectOption(index);
        options_->button(form_.selectedOption())->setChecked(true);
    });

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(qText(NewForm::OkCaption), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(qText(NewForm::CancelCaption), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewFormDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

QRadioButton* NewFormDialog::option(int index) const {
    return qobject_cast<QRadioButton*>(options_->button(index));
}

void NewFormDialog::accept() {
    form_.ok();
    QDialog::accept();
}

void NewFormDialog::reject() {
    form_.cancel();
    QDialog::reject();
}

} // namespace torval
