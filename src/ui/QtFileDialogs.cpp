#include "ui/QtFileDialogs.h"

#include "shell/DirectoryForm.h"
#include "ui/DirectoryFormDialog.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace torval {

QtFileDialogs::QtFileDialogs(AppState& state, Prompter& prompter, QWidget* parent)
    : state_(state), prompter_(prompter), parent_(parent) {}

QStringList QtFileDialogs::nameFilters(const std::vector<FileFilter>& filters) {
    static const QRegularExpression ownPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    QStringList result;
    for (const FileFilter& filter : filters) {
        QString description = qText(filter.description);
        description.remove(ownPatterns);
        const QStringList patterns = qText(filter.patterns).split(separators, Qt::SkipEmptyParts);
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

// Dialogs open over the window the user is working in, else over the parent's window.
QWidget* QtFileDialogs::dialogParent() const {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return parent_ != nullptr ? parent_->window() : nullptr;
}

std::optional<std::string> QtFileDialogs::choose(const FileChoice& choice, bool forSaving) {
    QFileDialog dialog(dialogParent(), qText(choice.title));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, forSaving);
    const QStringList filters = nameFilters(choice.filters);
    dialog.setNameFilters(filters);
    if (choice.filterIndex >= 1 && choice.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters.at(choice.filterIndex - 1));
    }
    if (!choice.initialDirectory.empty()) {
        dialog.setDirectory(qText(choice.initialDirectory));
    }
    if (!choice.proposedName.empty()) {
        dialog.selectFile(qText(choice.proposedName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return stdText(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtFileDialogs::openFile(const FileChoice& choice) {
    return choose(choice, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileChoice& choice) {
    return choose(choice, true);
}

std::optional<std::string> QtFileDialogs::browseDirectory(const DirectoryChoice& choice) {
    DirectoryForm form(state_, prompter_, choice.initialDirectory, choice.fileTypes);
    DirectoryFormDialog dialog(form, dialogParent());
    dialog.exec();
    if (state_.SelectedDirectory == DirectoryBrowserCancelText) {
        return std::nullopt;
    }
    return state_.SelectedDirectory;
}

} // namespace torval
