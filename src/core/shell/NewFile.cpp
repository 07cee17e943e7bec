#include "shell/NewFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

namespace torval {

namespace {

#ifdef _WIN32
constexpr int CreateFlags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT;
constexpr int NewFileMode = _S_IREAD | _S_IWRITE;
int openNew(const std::string& path) {
    int descriptor = -1;
    _sopen_s(&descriptor, path.c_str(), CreateFlags, _SH_DENYWR, NewFileMode);
    return descriptor;
}
int closeDescriptor(int descriptor) {
    return _close(descriptor);
}
long long writeSome(int descriptor, const char* bytes, std::size_t size) {
    return _write(descriptor, bytes, static_cast<unsigned>(size < 0x40000000 ? size : 0x40000000));
}
int syncDescriptor(int descriptor) {
    return _commit(descriptor);
}
bool copyPermissions(int, const std::string&) {
    return true;
}
#else
// O_EXCL with O_CREAT fails on any existing entry, a dangling link included; O_NOFOLLOW says
// the same for systems where that is not enough.
constexpr int CreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
constexpr mode_t NewFileMode = 0666; // narrowed by the user's umask
int openNew(const std::string& path) {
    int descriptor = -1;
    do {
        descriptor = ::open(path.c_str(), CreateFlags, NewFileMode);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}
int closeDescriptor(int descriptor) {
    return ::close(descriptor);
}
long long writeSome(int descriptor, const char* bytes, std::size_t size) {
    return ::write(descriptor, bytes, size);
}
int syncDescriptor(int descriptor) {
    return ::fsync(descriptor);
}

// The replaced file keeps who may read it: a private analysis stays private.
bool copyPermissions(int descriptor, const std::string& permissionsOf) {
    struct stat model {};
    if (permissionsOf.empty() || ::stat(permissionsOf.c_str(), &model) != 0 ||
        !S_ISREG(model.st_mode)) {
        return true;
    }
    return ::fchmod(descriptor, model.st_mode & 07777) == 0;
}
#endif

class DescriptorSink : public ByteSink {
public:
    explicit DescriptorSink(int descriptor) : descriptor_(descriptor) {}
    ~DescriptorSink() override {
        if (descriptor_ >= 0) {
            closeDescriptor(descriptor_);
        }
    }
    DescriptorSink(const DescriptorSink&) = delete;
    DescriptorSink& operator=(const DescriptorSink&) = delete;

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const long long written = writeSome(descriptor_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool close() override {
        const bool synced = syncDescriptor(descriptor_) == 0;
        const bool closed = closeDescriptor(descriptor_) == 0;
        descriptor_ = -1;
        return synced && closed;
    }

private:
    int descriptor_;
};

NewFileFailure failureOf(int error) {
    switch (error) {
    case EEXIST:
        return NewFileFailure::NameTaken;
    case ENAMETOOLONG:
        return NewFileFailure::NameTooLong;
    default:
        return NewFileFailure::Refused;
    }
}

} // namespace

NewFile createNewFile(const std::string& path, const std::string& permissionsOf) {
    const int descriptor = openNew(path);
    if (descriptor < 0) {
        return {nullptr, failureOf(errno)};
    }
    auto sink = std::make_unique<DescriptorSink>(descriptor);
    if (!copyPermissions(descriptor, permissionsOf)) {
        sink.reset();
        std::remove(path.c_str());
        return {nullptr, NewFileFailure::Refused};
    }
    return {std::move(sink), NewFileFailure::None};
}

} // namespace torval
