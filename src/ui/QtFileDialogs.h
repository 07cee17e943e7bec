#pragma once
// The core's file choices on the screen: QFileDialog with the described title, filter entries,
// selected entry, start directory and proposed name; the directory choice with the program's
// own directory browser.

#include "AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Prompter.h"

#include <QStringList>

class QWidget;

namespace torval {

class QtFileDialogs : public FileDialogs {
public:
    QtFileDialogs(AppState& state, Prompter& prompter, QWidget* parent = nullptr);

    std::optional<std::string> openFile(const FileChoice& choice) override;
    std::optional<std::string> saveFile(const FileChoice& choice) override;
    std::optional<std::string> browseDirectory(const DirectoryChoice& choice) override;

    void setParent(QWidget* parent) { parent_ = parent; }

    // Qt's name filters for the entries: the description (less any pattern list of its own in
    // parentheses at its end) and the entry's patterns, blank-separated, in parentheses.
    static QStringList nameFilters(const std::vector<FileFilter>& filters);

private:
    QWidget* dialogParent() const;
    std::optional<std::string> choose(const FileChoice& choice, bool forSaving);

    AppState& state_;
    Prompter& prompter_;
    QWidget* parent_;
};

} // namespace torval
