#pragma once
// The About window (aboutform): the program's name and purpose, OK, "&Disclaimer" and
// "Development &Team", whose messages go through the Prompter.

#include "shell/Prompter.h"

#include <QDialog>

class QPushButton;

namespace torval {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Prompter& prompter, const QString& logoPath, QWidget* parent = nullptr);

    QPushButton* disclaimerButton() const { return disclaimer_; }
    QPushButton* teamButton() const { return team_; }

private:
    QPushButton* disclaimer_;
    QPushButton* team_;
};

// The technical-support window (SupportForm): fixed text and OK.
class SupportDialog : public QDialog {
    Q_OBJECT
public:
    explicit SupportDialog(QWidget* parent = nullptr);
};

} // namespace torval
