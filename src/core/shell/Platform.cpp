#include "shell/Platform.h"

#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace torval {

namespace {

constexpr std::string_view AnySeparator = "/\\";

// The status of what the trimmed path names; "not found" for an empty path and for any query
// that fails, since the callers only ever want a yes or a no.
fs::file_type typeOf(std::string_view path) noexcept {
    try {
        const std::string trimmed = trimBlanks(path);
        if (trimmed.empty()) {
            return fs::file_type::not_found;
        }
        std::error_code failure;
        const fs::file_status status = fs::status(toNativePath(trimmed), failure);
        return failure ? fs::file_type::not_found : status.type();
    } catch (const std::exception&) {
        return fs::file_type::not_found;
    }
}

bool isPresent(fs::file_type type) {
    return type != fs::file_type::not_found && type != fs::file_type::none;
}

#ifdef _WIN32
fs::path executablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2); // the name was cut short
    }
}
#else
// Linux names the running executable here; elsewhere the link is missing and the caller falls
// back to the current directory.
fs::path executablePath() {
    std::error_code failure;
    fs::path exe = fs::read_symlink("/proc/self/exe", failure);
    return failure ? fs::path() : exe;
}
#endif

bool isDriveName(std::string_view text) {
    return text.size() == 2 && text[1] == ':' &&
           ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

bool isHidden(const fs::directory_entry& entry) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
#else
    const std::string name = entry.path().filename().string();
    return !name.empty() && name.front() == '.';
#endif
}

enum class EntryKind { Directory, File };

// A dangling link, or an entry the system will not tell us about, is neither kind.
bool isOfKind(const fs::directory_entry& entry, EntryKind kind) {
    std::error_code failure;
    const fs::file_type type = entry.status(failure).type();
    if (!isPresent(type)) {
        return false;
    }
    return (type == fs::file_type::directory) == (kind == EntryKind::Directory);
}

void sortIgnoringCase(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string lowerA = lowerCase(a);
        const std::string lowerB = lowerCase(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
}

std::vector<std::string> listEntries(std::string_view directory, EntryKind kind) {
    std::vector<std::string> names;
    std::error_code failure;
    fs::directory_iterator entry(toNativePath(trimBlanksView(directory)),
                                 fs::directory_options::skip_permission_denied, failure);
    for (; !failure && entry != fs::directory_iterator(); entry.increment(failure)) {
        if (!isHidden(*entry) && isOfKind(*entry, kind)) {
            names.push_back(entry->path().filename().string());
        }
    }
    sortIgnoringCase(names);
    return names;
}

} // namespace

bool FileExists(std::string_view path) {
    const fs::file_type type = typeOf(path);
    return isPresent(type) && type != fs::file_type::directory;
}

bool DirectoryExists(std::string_view path) {
    return isPresent(typeOf(path));
}

double FreeDiskSpaceKB(std::string_view directory) {
    const std::string native = toNativePath(trimBlanksView(directory));
    std::error_code failure;
    const fs::space_info space = fs::space(native, failure);
    if (failure) {
        throw RunTimeError(ErrorCode::DiskNotReady,
                           "free space of \"" + native + "\": " + failure.message());
    }
    return static_cast<double>(space.available) / 1024.0;
}

char nativeSeparator() {
    return static_cast<char>(fs::path::preferred_separator);
}

std::string toNativePath(std::string_view path) {
    std::string native(path);
    const char separator = nativeSeparator();
    std::replace_if(
        native.begin(), native.end(), [](char c) { return c == '/' || c == '\\'; }, separator);
    return native;
}

std::string joinPath(std::string_view dir, std::string_view name) {
    if (dir.empty()) {
        return toNativePath(name);
    }
    const auto dirEnd = dir.find_last_not_of(AnySeparator);
    const auto nameStart = name.find_first_not_of(AnySeparator);
    std::string joined(dirEnd == std::string_view::npos ? std::string_view()
                                                        : dir.substr(0, dirEnd + 1));
    joined += nativeSeparator();
    if (nameStart != std::string_view::npos) {
        joined.append(name.substr(nameStart));
    }
    return toNativePath(joined);
}

std::string programDirectory() {
    const fs::path exe = executablePath();
    if (exe.has_parent_path()) {
        return exe.parent_path().string();
    }
    std::error_code failure;
    const fs::path here = fs::current_path(failure);
    return failure ? std::string(".") : here.string();
}

std::string withoutTrailingSeparator(std::string_view directory) {
    const auto end = directory.find_last_not_of(AnySeparator);
    if (end == std::string_view::npos) {
        return std::string(directory.substr(0, 1)); // nothing but separators: the root
    }
    std::string kept(directory.substr(0, end + 1));
    if (isDriveName(kept) && end + 1 < directory.size()) {
        kept += directory[end + 1]; // "C:" alone would be the current directory of drive C
    }
    return kept;
}

std::string systemProgramDirectory() {
#ifdef _WIN32
    std::string directory(MAX_PATH, '\0');
    const UINT length = GetWindowsDirectoryA(directory.data(), MAX_PATH);
    directory.resize(length > 0 && length < MAX_PATH ? length : 0);
    if (directory.empty()) {
        directory = "C:\\WINDOWS";
    }
#else
    std::string directory = "/usr/bin";
#endif
    if (directory.back() != nativeSeparator()) {
        directory += nativeSeparator();
    }
    return directory;
}

std::vector<std::string> driveRoots() {
#ifdef _WIN32
    std::vector<std::string> roots;
    const DWORD drives = GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (DWORD{1} << letter)) != 0) {
            roots.push_back(std::string(1, static_cast<char>('A' + letter)) + ":\\");
        }
    }
    return roots;
#else
    return {"/"};
#endif
}

std::vector<std::string> listSubdirectories(std::string_view directory) {
    return listEntries(directory, EntryKind::Directory);
}

std::vector<std::string> listFiles(std::string_view directory) {
    return listEntries(directory, EntryKind::File);
}

bool caseInsensitiveFileSystem() {
#ifdef _WIN32
    return true;
#else
    return false; // Linux file systems tell "Run.box" from "RUN.BOX"
#endif
}

bool onWindows() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

char pathListSeparator() {
    return onWindows() ? ';' : ':';
}

} // namespace torval
