#pragma once
// The directory browser without its widgets: a drive list, a directory list, a file list under a
// chosen file type, and a text field holding the directory the user settles on. The Preferences
// window opens it for its directory settings and reads the answer from SelectedDirectory; the
// window mirrors the lists shown here and forwards clicks and buttons.

#include "AppState.h"
#include "shell/Prompter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// What SelectedDirectory holds after Cancel. Callers compare against it literally, so it must
// never change.
inline constexpr std::string_view DirectoryBrowserCancelText = "Cancel Button is Clicked";

class DirectoryForm {
public:
    static constexpr std::string_view Caption = "Select Default Data Directory";
    static constexpr std::string_view DriveLabel = "Drive:";
    static constexpr std::string_view DirectoryLabel = "Directory:";
    static constexpr std::string_view FilesLabel = "Files:";
    static constexpr std::string_view FileTypeLabel = "List Files of Type:";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "&Cancel";

    // fileTypes are entries of the form label, blanks, ":" and patterns separated by ";"; the
    // first one is chosen at opening. A start directory that is not a directory is replaced by
    // the current directory, so the lists always show a real place.
    DirectoryForm(AppState& state, Prompter& prompter, std::string_view startDirectory,
                  std::vector<std::string> fileTypes);

    static std::vector<std::string> drives();
    const std::string& drive() const noexcept { return drive_; }
    // Moves the directory list to the drive, unless it already shows a directory on it. A drive
    // that cannot be read is reported (68 when the system has no such drive, 71 when it has one
    // that is not ready) and the lists stay where they were.
    void changeDrive(std::string_view root);

    const std::string& directory() const noexcept { return directory_; }
    std::vector<std::string> subdirectories() const;
    // The text field and the file list follow the directory list. A path that is not a
    // directory (it vanished since it was listed) leaves everything as it was.
    void changeDirectory(std::string_view path);
    void openSubdirectory(std::string_view name);
    void openParent();

    const std::vector<std::string>& fileTypes() const noexcept { return fileTypes_; }
    // The file list's pattern becomes the patterns after the entry's ":". Raises 9 for an index
    // that names no entry.
    void chooseFileType(std::size_t index);
    const std::string& filePattern() const noexcept { return filePattern_; }
    std::vector<std::string> files() const;

    const std::string& text() const noexcept { return text_; }
    void setText(std::string text) { text_ = std::move(text); }

    // True when the dialog closes with the trimmed text as SelectedDirectory. An empty text does
    // nothing; a path that does not exist is refused with a message and the dialog stays open.
    bool ok();

    // SelectedDirectory becomes the cancel text; the dialog closes.
    void cancel();

private:
    void showDirectory(std::string directory);

    AppState& state_;
    Prompter& prompter_;
    std::vector<std::string> fileTypes_;
    std::string filePattern_;
    std::string drive_;
    std::string directory_;
    std::string text_;
};

} // namespace torval
