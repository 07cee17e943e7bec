#include "shell/FileReplacement.h"

#include "shell/NewFile.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace torval {

namespace {

constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t RandomPartLength = 8;
constexpr int NameAttempts = 32;
// The longest file name (one path component) the common file systems take, in bytes.
constexpr std::size_t LongestName = 255;

void removeQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(fs::path(path), ignored);
}

[[noreturn]] void raiseNameTooLong(const std::string& target) {
    throw RunTimeError(ErrorCode::NameTooLong, "the name of \"" + target + "\" is too long");
}

// A directory is no file name; a device, a pipe or a socket is never replaced by a file (run
// with the rights to do so, a rename would remove the device itself).
void checkTarget(const std::string& target) {
    std::error_code failure;
    const fs::file_status status = fs::status(fs::path(target), failure);
    if (target.empty() || fs::is_directory(status)) {
        throw RunTimeError(ErrorCode::BadFileName, "cannot write \"" + target + "\"");
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        throw RunTimeError(ErrorCode::DeviceUnavailable, "\"" + target + "\" is not a file");
    }
    if (fs::path(target).filename().string().size() > LongestName) {
        raiseNameTooLong(target);
    }
}

std::string randomPart() {
    static constexpr std::string_view Letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, Letters.size() - 1);
    std::string part(RandomPartLength, ' ');
    for (char& letter : part) {
        letter = Letters[pick(generator)];
    }
    return part;
}

// "<name>.<random>.tmp" beside the target, the name shortened (by whole bytes of the front)
// so that the temporary name is never longer than the file system takes when the target's is
// not.
std::string temporaryNameFor(const std::string& target) {
    const fs::path path(target);
    std::string name = path.filename().string();
    const std::size_t extra = 1 + RandomPartLength + TemporarySuffix.size();
    if (name.size() + extra > LongestName) {
        name.resize(LongestName - extra);
    }
    name += '.' + randomPart() + std::string(TemporarySuffix);
    return (path.parent_path() / name).string();
}

struct Temporary {
    std::string path;
    std::unique_ptr<ByteSink> sink;
};

Temporary createTemporary(const std::string& target, const SinkOpener& openSink) {
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        Temporary temporary{temporaryNameFor(target), nullptr};
        temporary.sink = openSink(temporary.path, target);
        if (temporary.sink) {
            return temporary;
        }
    }
    throw RunTimeError(ErrorCode::SaveRaced, "no free temporary name beside \"" + target + "\"");
}

// Everything from the first byte to the closed temporary file.
void writeTemporary(ByteSink& sink, std::string_view contents, const std::string& temporary) {
    if (!sink.write(contents)) {
        sink.close();
        throw RunTimeError(ErrorCode::DiskFull, "writing \"" + temporary + "\"");
    }
    if (!sink.close()) {
        throw RunTimeError(ErrorCode::DiskFull, "closing \"" + temporary + "\"");
    }
}

[[noreturn]] void raiseRenameFailure(const std::string& target, const std::error_code& failure) {
    const std::string detail = "cannot replace \"" + target + "\": " + failure.message();
    if (failure == std::errc::filename_too_long) {
        raiseNameTooLong(target);
    }
    if (failure == std::errc::no_such_file_or_directory || failure == std::errc::is_a_directory ||
        failure == std::errc::directory_not_empty || failure == std::errc::file_exists) {
        throw RunTimeError(ErrorCode::SaveRaced, detail);
    }
    throw RunTimeError(ErrorCode::DiskNotReady, detail);
}

} // namespace

std::unique_ptr<ByteSink> openFileSink(const std::string& path, const std::string& permissionsOf) {
    NewFile file = createNewFile(path, permissionsOf);
    switch (file.failure) {
    case NewFileFailure::None:
        return std::move(file.sink);
    case NewFileFailure::NameTaken:
        return nullptr;
    case NewFileFailure::NameTooLong:
        raiseNameTooLong(path);
    case NewFileFailure::Refused:
        break;
    }
    throw RunTimeError(ErrorCode::DiskNotReady, "cannot create \"" + path + "\"");
}

void replaceFileContents(std::string_view target, std::string_view contents,
                         const SinkOpener& openSink) {
    const std::string native = toNativePath(target);
    checkTarget(native);
    Temporary temporary = createTemporary(native, openSink);
    try {
        writeTemporary(*temporary.sink, contents, temporary.path);
    } catch (...) {
        temporary.sink.reset();
        removeQuietly(temporary.path);
        throw;
    }
    temporary.sink.reset();
    std::error_code failure;
    fs::rename(fs::path(temporary.path), fs::path(native), failure);
    if (failure) {
        removeQuietly(temporary.path);
        raiseRenameFailure(native, failure);
    }
}

} // namespace torval
