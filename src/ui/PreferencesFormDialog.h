#pragma once
// The Preferences window (statusForm) on the screen. It mirrors PreferencesForm: the seven path
// fields with their browse buttons, the initialization-file and free-space panels, the choice of
// plotting program, Save, the File and Edit menus and the status bar. Typing, focus changes,
// pointer moves, clicks and the close box all go to the model, and the widgets are refilled
// from it afterwards.

#include "shell/PreferencesForm.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace torval {

class PreferencesFormDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesFormDialog(PreferencesForm& form, QWidget* parent = nullptr);

    QLineEdit* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    QPushButton* browseButton(int index) const {
        return browse_.at(static_cast<std::size_t>(index));
    }
    QPushButton* saveButton() const { return save_; }
    QRadioButton* newVersionOption() const { return newVersion_; }
    QRadioButton* originalVersionOption() const { return originalVersion_; }
    QLabel* iniFilePanel() const { return iniFile_; }
    QLabel* freeSpacePanel() const { return freeSpace_; }
    QStatusBar* statusBar() const { return status_; }
    QMenuBar* menuBar() const { return menus_; }

    // Every closing (close box, File > Exit, Escape) asks the model first.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QWidget* fieldRow(int index);
    void buildMenus();
    void refresh();
    void afterModel();

    PreferencesForm& form_;
    std::array<QLineEdit*, PreferencesForm::FieldCount> fields_{};
    std::array<QPushButton*, PreferencesForm::FieldCount> browse_{};
    QPushButton* save_;
    QRadioButton* newVersion_;
    QRadioButton* originalVersion_;
    QLabel* iniFile_;
    QLabel* freeSpace_;
    QStatusBar* status_;
    QMenuBar* menus_;
};

} // namespace torval
