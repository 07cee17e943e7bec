#include "ui/AboutDialog.h"

#include "shell/AboutTexts.h"
#include "shell/Disclaimer.h"
#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval {

AboutDialog::AboutDialog(Prompter& prompter, const QString& logoPath, QWidget* parent)
    : QDialog(parent), disclaimer_(new QPushButton(qText(AboutTexts::DisclaimerCaption))),
      team_(new QPushButton(qText(AboutTexts::TeamCaption))) {
    setWindowTitle(qText(AboutTexts::Caption));
    setModal(true);
    auto* top = new QHBoxLayout;
    const QPixmap logo(logoPath);
    if (!logo.isNull()) {
        auto* picture = new QLabel;
        picture->setPixmap(logo.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        top->addWidget(picture, 0, Qt::AlignTop);
    }
    auto* text = new QLabel(qMessageText(AboutTexts::Description));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(qText(AboutTexts::OkCaption), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(disclaimer_, QDialogButtonBox::ActionRole);
    buttons->addButton(team_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(disclaimer_, &QPushButton::clicked, this, [&prompter] { ShowDisclaimer(prompter); });
    connect(team_, &QPushButton::clicked, this,
            [&prompter] { prompter.show(developmentTeamMessage()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

SupportDialog::SupportDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(qText(SupportTexts::Caption));
    setModal(true);
    auto* text = new QLabel(qMessageText(SupportTexts::Text));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(qText(SupportTexts::OkCaption), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace torval
