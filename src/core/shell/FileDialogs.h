#pragma once
// The standard file and directory choices, as the core asks for them. The windows implement
// them with the toolkit's dialogs (the directory choice with the program's own directory
// browser), the command-line program never opens one, and tests script the answers. Every
// choice returns the chosen path, or nullopt when the user cancelled or closed the dialog.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torval {

// One entry of a dialog's file-type list: what the user reads, and the patterns it filters by
// (separated by ";").
struct FileFilter {
    std::string description;
    std::string patterns;

    bool operator==(const FileFilter&) const = default;
};

// The filter entries of a text of alternating descriptions and patterns separated by "|", the
// way the program writes its dialog filters: "Text Editor (*.exe)|*.exe|All Files (*.*)|*.*".
// A description without patterns after it filters by nothing ("").
std::vector<FileFilter> fileFilters(std::string_view filterText);

struct FileChoice {
    std::string title;
    std::vector<FileFilter> filters;
    int filterIndex = 1;          // the entry selected at opening, counted from 1
    std::string initialDirectory; // "" for the current directory
    std::string proposedName;     // the file name filled in at opening, "" for none

    bool operator==(const FileChoice&) const = default;
};

struct DirectoryChoice {
    // The directory browser's file-type list: each entry a label, blanks, ":" and patterns; the
    // first is chosen at opening.
    std::vector<std::string> fileTypes;
    std::string initialDirectory; // "" for the current directory

    bool operator==(const DirectoryChoice&) const = default;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // An existing file to read.
    virtual std::optional<std::string> openFile(const FileChoice& choice) = 0;

    // A file to write; the dialog may ask before replacing an existing one.
    virtual std::optional<std::string> saveFile(const FileChoice& choice) = 0;

    // A directory, through the directory browser.
    virtual std::optional<std::string> browseDirectory(const DirectoryChoice& choice) = 0;
};

} // namespace torval
