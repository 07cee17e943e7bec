#include "shell/DirectoryForm.h"

#include "shell/ApplicationInfo.h"
#include "shell/ErrorReport.h"
#include "shell/FilePattern.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace torval {

namespace {

// DirectoryExists also says yes to files; the directory list may only ever show a directory.
bool isDirectory(std::string_view path) {
    return DirectoryExists(path) && !FileExists(path);
}

std::string currentDirectory() {
    std::error_code failure;
    const fs::path here = fs::current_path(failure);
    return failure ? driveRoots().front() : here.string();
}

std::string rootOf(const std::string& directory) {
    return fs::path(toNativePath(directory)).root_path().string();
}

bool isKnownDrive(std::string_view root) {
    const std::vector<std::string> roots = driveRoots();
    return std::find(roots.begin(), roots.end(), root) != roots.end();
}

Message directoryMissing(const std::string& chosen) {
    Message message;
    message.text = "Directory selected:   " + upperCase(chosen) +
                   " does not exists.\r\rPlease select an appropriated directory.";
    message.title = std::string(ApplicationTitle);
    message.icon = MessageIcon::None;
    message.buttons = MessageButtons::Ok;
    return message;
}

} // namespace

DirectoryForm::DirectoryForm(AppState& state, Prompter& prompter, std::string_view startDirectory,
                             std::vector<std::string> fileTypes)
    : state_(state), prompter_(prompter), fileTypes_(std::move(fileTypes)) {
    const std::string start = trimBlanks(startDirectory);
    showDirectory(isDirectory(start) ? start : currentDirectory());
    if (!fileTypes_.empty()) {
        chooseFileType(0);
    }
}

std::vector<std::string> DirectoryForm::drives() {
    return driveRoots();
}

void DirectoryForm::changeDrive(std::string_view root) {
    if (rootOf(directory_) == toNativePath(root)) {
        return;
    }
    if (!isDirectory(root)) {
        const int code =
            isKnownDrive(root) ? ErrorCode::DiskNotReady : ErrorCode::DeviceUnavailable;
        ErrorReport(prompter_, code, "", "");
        return;
    }
    showDirectory(std::string(root));
}

std::vector<std::string> DirectoryForm::subdirectories() const {
    return listSubdirectories(directory_);
}

void DirectoryForm::changeDirectory(std::string_view path) {
    if (isDirectory(path)) {
        showDirectory(trimBlanks(path));
    }
}

void DirectoryForm::openSubdirectory(std::string_view name) {
    changeDirectory(joinPath(directory_, name));
}

void DirectoryForm::openParent() {
    changeDirectory(fs::path(toNativePath(directory_)).parent_path().string());
}

void DirectoryForm::chooseFileType(std::size_t index) {
    if (index >= fileTypes_.size()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange, "no file type " + std::to_string(index));
    }
    filePattern_ = ValueAfter(fileTypes_[index], ":");
}

std::vector<std::string> DirectoryForm::files() const {
    std::vector<std::string> names = listFiles(directory_);
    std::erase_if(
        names, [this](const std::string& name) { return !matchesFilePattern(name, filePattern_); });
    return names;
}

bool DirectoryForm::ok() {
    const std::string chosen = trimBlanks(text_);
    if (chosen.empty()) {
        return false;
    }
    if (!DirectoryExists(chosen)) {
        prompter_.show(directoryMissing(chosen));
        return false;
    }
    state_.SelectedDirectory = chosen;
    return true;
}

void DirectoryForm::cancel() {
    state_.SelectedDirectory = std::string(DirectoryBrowserCancelText);
}

void DirectoryForm::showDirectory(std::string directory) {
    std::error_code failure;
    const fs::path absolute = fs::absolute(toNativePath(directory), failure);
    directory_ = withoutTrailingSeparator(failure ? directory : absolute.string());
    drive_ = rootOf(directory_);
    text_ = directory_;
}

} // namespace torval
