#include "shell/Platform.h"
#include "shell/RegularFile.h"
#include "shell/RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>
#include <sys/stat.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace torval {

namespace {

#ifdef _WIN32
using Stat = struct _stat64;
int openForReading(const std::string& path) {
    return ::_open(path.c_str(), _O_RDONLY | _O_BINARY);
}
int statusOf(int handle, Stat& status) {
    return ::_fstat64(handle, &status);
}
long long readSome(int handle, char* into, std::size_t count) {
    return ::_read(handle, into, static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
}
void closeHandle(int handle) {
    ::_close(handle);
}
bool isDirectory(const Stat& status) {
    return (status.st_mode & _S_IFMT) == _S_IFDIR;
}
bool isRegular(const Stat& status) {
    return (status.st_mode & _S_IFMT) == _S_IFREG;
}
#else
using Stat = struct stat;
// Without O_NONBLOCK, opening a named pipe would wait for a writer before the type could be told.
int openForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}
int statusOf(int handle, Stat& status) {
    return ::fstat(handle, &status);
}
long long readSome(int handle, char* into, std::size_t count) {
    return ::read(handle, into, count);
}
void closeHandle(int handle) {
    ::close(handle);
}
bool isDirectory(const Stat& status) {
    return S_ISDIR(status.st_mode);
}
bool isRegular(const Stat& status) {
    return S_ISREG(status.st_mode);
}
#endif

int codeOfOpenFailure(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return ErrorCode::PermissionDenied;
    case EISDIR:
        return ErrorCode::IsDirectory;
    case ENAMETOOLONG:
        return ErrorCode::BadFileName;
    case ENOMEM:
        return ErrorCode::OutOfMemory;
    default:
        return ErrorCode::FileNotFound;
    }
}

} // namespace

RegularFile::RegularFile(std::string_view path) {
    const std::string native = toNativePath(path);
    const int handle = openForReading(native);
    if (handle < 0) {
        throw RunTimeError(codeOfOpenFailure(errno), native);
    }
    Stat status{};
    int refusal = 0;
    if (statusOf(handle, status) != 0) {
        refusal = ErrorCode::DiskNotReady;
    } else if (isDirectory(status)) {
        refusal = ErrorCode::IsDirectory;
    } else if (!isRegular(status)) {
        refusal = ErrorCode::DeviceUnavailable;
    }
    if (refusal != 0) {
        closeHandle(handle);
        throw RunTimeError(refusal, native);
    }
    handle_ = handle;
    size_ = static_cast<std::uint64_t>(std::max<decltype(status.st_size)>(status.st_size, 0));
}

RegularFile::~RegularFile() {
    if (handle_ >= 0) {
        closeHandle(static_cast<int>(handle_));
    }
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : handle_(other.handle_), size_(other.size_), consumed_(other.consumed_) {
    other.handle_ = -1;
}

std::size_t RegularFile::read(char* into, std::size_t count) {
    const std::uint64_t left = size_ - consumed_;
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(count, left));
    if (wanted == 0) {
        return 0;
    }
    long long got = 0;
    do {
        got = readSome(static_cast<int>(handle_), into, wanted);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        throw RunTimeError(ErrorCode::DiskNotReady);
    }
    consumed_ += static_cast<std::uint64_t>(got);
    return static_cast<std::size_t>(got);
}

FileBytes readWholeRegularFile(std::string_view path) {
    RegularFile file(path);
    if (file.size() > std::size_t(-1) / 2) {
        throw RunTimeError(ErrorCode::OutOfMemory, std::string(path));
    }
    FileBytes contents;
    const auto size = static_cast<std::size_t>(file.size());
    try {
        contents.bytes = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(size, 1));
    } catch (const std::bad_alloc&) {
        throw RunTimeError(ErrorCode::OutOfMemory, std::string(path));
    }
    // A file that shrank while it was read ends where its bytes ended.
    while (contents.size < size) {
        const std::size_t got =
            file.read(contents.bytes.get() + contents.size, size - contents.size);
        if (got == 0) {
            break;
        }
        contents.size += got;
    }
    return contents;
}

} // namespace torval
