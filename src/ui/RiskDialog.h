#pragma once
// Results > "Risk" on the screen: the chemical, the slope factor and reference dose fields, the
// table of the lifetime cancer risk and the hazard quotient, and the form's notice. Every edit
// goes to RiskForm and the table is refilled from it; closing keeps the values typed.

#include "AppState.h"
#include "montecarlo/RiskForm.h"
#include "shell/Prompter.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace torval {

class RiskDialog : public QDialog {
    Q_OBJECT
public:
    // The values are kept in `settingsPath` (chemicalRiskValuesPath of the program's torval.ini).
    RiskDialog(const AppState& state, Prompter& prompter, const std::string& settingsPath,
               QWidget* parent = nullptr);

    RiskForm& form() { return form_; }
    // Null when the analysis names its chemical.
    QLineEdit* chemicalField() const { return chemical_; }
    QLineEdit* slopeFactorField() const { return slopeFactor_; }
    QLineEdit* referenceDoseField() const { return referenceDose_; }
    QTableWidget* figures() const { return figures_; }
    QLabel* noticeLabel() const { return notice_; }

    void done(int result) override;

private:
    void refresh();
    QWidget* buildChemicalField();

    RiskForm form_;
    QLineEdit* chemical_ = nullptr;
    QLineEdit* slopeFactor_;
    QLineEdit* referenceDose_;
    QTableWidget* figures_;
    QLabel* notice_;
};

} // namespace torval
