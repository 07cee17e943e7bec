#pragma once
// The chemical selection window (frmChemicals) on the screen: the list of the file's chemicals
// with the current one preselected, OK and Cancel. The row the user moves to (by mouse or
// keyboard) goes to ChemicalSelectionForm; OK and Cancel are the form's commands.

#include "datafiles/ChemicalSelectionForm.h"
#include "intake/AnalysisServices.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace torval {

class ChemicalSelectionDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr std::string_view Caption = "Select Chemical";

    explicit ChemicalSelectionDialog(ChemicalSelectionForm& form, QWidget* parent = nullptr);

    QListWidget* chemicalList() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;
    void reject() override;

private:
    ChemicalSelectionForm& form_;
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// The analysis window's chemical service: the window shown modally over the parent.
class QtChemicalChooser final : public ChemicalChooser {
public:
    QtChemicalChooser(QWidget* parent, Prompter& prompter) : parent_(parent), prompter_(prompter) {}

    bool chooseChemical(AppState& state) override;

    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
    Prompter& prompter_;
};

} // namespace torval
