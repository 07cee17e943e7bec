#pragma once
// The New Application dialog (NewForm) on the screen: the seven medium options in their frame,
// OK and Cancel. The option shown selected is the model's; a click selects in the model.

#include "shell/NewForm.h"

#include <QDialog>

class QButtonGroup;
class QRadioButton;

namespace torval {

class NewFormDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewFormDialog(NewForm& form, QWidget* parent = nullptr);

    QRadioButton* option(int index) const;

    void accept() override; // OK
    void reject() override; // Cancel, Escape and the window's close box

private:
    NewForm& form_;
    QButtonGroup* options_;
};

} // namespace torval
