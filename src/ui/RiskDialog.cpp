#include "ui/RiskDialog.h"

#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace torval {

namespace {

QLineEdit* factorField(const std::string& text, const QString& placeholder) {
    auto* field = new QLineEdit(qText(text));
    field->setPlaceholderText(placeholder);
    field->setClearButtonEnabled(true);
    return field;
}

QTableWidgetItem* figureItem(const std::string& text) {
    auto* item = new QTableWidgetItem(qText(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

RiskDialog::RiskDialog(const AppState& state, Prompter& prompter, const std::string& settingsPath,
                       QWidget* parent)
    : QDialog(parent), form_(state, prompter, settingsPath),
      slopeFactor_(factorField(form_.slopeFactorText(), tr("not given"))),
      referenceDose_(factorField(form_.referenceDoseText(), tr("not given"))),
      figures_(new QTableWidget(0, 2)), notice_(new QLabel) {
    setWindowTitle(qText(RiskForm::Caption));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Chemical:"), buildChemicalField());
    fields->addRow(tr("Cancer &slope factor ((mg/kg-day)\u207b\u00b9):"), slopeFactor_);
    fields->addRow(tr("&Reference dose (mg/kg-day):"), referenceDose_);
    layout->addLayout(fields);

    figures_->setHorizontalHeaderLabels({tr("Lifetime cancer risk"), tr("Hazard quotient")});
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(figures_, 1);
    notice_->setWordWrap(true);
    layout->addWidget(notice_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(slopeFactor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.setSlopeFactorText(stdText(text));
        refresh();
    });
    connect(referenceDose_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.setReferenceDoseText(stdText(text));
        refresh();
    });
    resize(560, 400);
    refresh();
}

// The data's chemical is shown; without one the analyst types it.
QWidget* RiskDialog::buildChemicalField() {
    if (!form_.chemicalEditable()) {
        return new QLabel(qText(form_.chemical()));
    }
    auto* field = new QLineEdit;
    field->setPlaceholderText(tr("the chemical's name"));
    connect(field, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.setChemical(stdText(text));
        slopeFactor_->setText(qText(form_.slopeFactorText()));
        referenceDose_->setText(qText(form_.referenceDoseText()));
        refresh();
    });
    chemical_ = field;
    return field;
}

void RiskDialog::refresh() {
    const std::vector<RiskRow>& rows = form_.rows();
    figures_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const RiskRow& figures = rows[static_cast<std::size_t>(row)];
        figures_->setVerticalHeaderItem(row, new QTableWidgetItem(qText(figures.label)));
        figures_->setItem(row, 0, figureItem(figures.cancerRisk));
        figures_->setItem(row, 1, figureItem(figures.hazardQuotient));
    }
    const std::string notice = form_.notice();
    notice_->setText(qText(notice));
    notice_->setVisible(!notice.empty());
}

// However the window closes, what was typed is kept.
void RiskDialog::done(int result) {
    form_.keep();
    QDialog::done(result);
}

} // namespace torval
