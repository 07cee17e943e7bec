#include "ui/ChemicalSelectionDialog.h"

#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval {

ChemicalSelectionDialog::ChemicalSelectionDialog(ChemicalSelectionForm& form, QWidget* parent)
    : QDialog(parent), form_(form), list_(new QListWidget), ok_(nullptr), cancel_(nullptr) {
    setWindowTitle(qText(Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("&Chemicals:"));
    caption->setBuddy(list_);
    layout->addWidget(caption);
    for (const std::string& name : form_.chemicals()) {
        list_->addItem(qText(name));
    }
    const QList<QListWidgetItem*> current = list_->findItems(qText(form_.text()), Qt::MatchExactly);
    if (!current.isEmpty()) {
        list_->setCurrentItem(current.front());
    }
    layout->addWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            form_.selectRow(static_cast<std::size_t>(row));
        }
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    list_->setFocus();
    resize(std::max(320, sizeHint().width()), std::max(280, sizeHint().height()));
}

void ChemicalSelectionDialog::accept() {
    form_.ok();
    QDialog::accept();
}

void ChemicalSelectionDialog::reject() {
    form_.cancel();
    QDialog::reject();
}

// The form raises 9 when the data set's names do not reach its chemical count; the analysis
// window reports that as the failure of its command.
bool QtChemicalChooser::chooseChemical(AppState& state) {
    ChemicalSelectionForm form(state, prompter_);
    ChemicalSelectionDialog dialog(form, parent_);
    dialog.exec();
    return form.ChemicalChanged();
}

} // namespace torval
