#pragma once
// The directory browser (DirectoryForm) on the screen: drive list, directory list, file list
// under the chosen file type, the text field and OK / Cancel. Every choice goes to the form
// model and the lists are refilled from it.

#include "shell/DirectoryForm.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace torval {

class DirectoryFormDialog : public QDialog {
    Q_OBJECT
public:
    explicit DirectoryFormDialog(DirectoryForm& form, QWidget* parent = nullptr);

    QComboBox* driveList() const { return drives_; }
    QListWidget* directoryList() const { return directories_; }
    QListWidget* fileList() const { return files_; }
    QComboBox* fileTypeList() const { return fileTypes_; }
    QLineEdit* directoryText() const { return text_; }

    void accept() override; // OK
    void reject() override; // Cancel, Escape and the window's close box

private:
    void refresh();
    void openListedDirectory(const QString& name);

    DirectoryForm& form_;
    QComboBox* drives_;
    QListWidget* directories_;
    QListWidget* files_;
    QComboBox* fileTypes_;
    QLineEdit* text_;
};

} // namespace torval
