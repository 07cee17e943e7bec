#include "shell/FileReplacement.h"

#include "shell/Platform.h"
#include "shell/RunTimeError.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace torval {

namespace {

class FileSink : public ByteSink {
public:
    explicit FileSink(const std::string& path)
        : stream_(fs::path(path), std::ios::binary | std::ios::trunc) {}

    bool isOpen() const { return stream_.is_open(); }

    bool write(std::string_view bytes) override {
        stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return stream_.good();
    }

    bool close() override {
        stream_.flush();
        const bool flushed = stream_.good();
        stream_.close();
        return flushed && !stream_.fail();
    }

private:
    std::ofstream stream_;
};

void removeQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(fs::path(path), ignored);
}

void checkTarget(const std::string& target) {
    std::error_code failure;
    if (target.empty() || fs::is_directory(fs::path(target), failure)) {
        throw RunTimeError(ErrorCode::BadFileName, "cannot write \"" + target + "\"");
    }
}

// Everything from the first byte to the closed temporary file; a failure anywhere leaves the
// temporary file for the caller to remove.
void writeTemporary(ByteSink& sink, std::string_view contents, const std::string& temporary) {
    if (!sink.write(contents)) {
        sink.close();
        throw RunTimeError(ErrorCode::DiskFull, "writing \"" + temporary + "\"");
    }
    if (!sink.close()) {
        throw RunTimeError(ErrorCode::DiskFull, "closing \"" + temporary + "\"");
    }
}

} // namespace

std::unique_ptr<ByteSink> openFileSink(const std::string& path) {
    auto sink = std::make_unique<FileSink>(path);
    if (!sink->isOpen()) {
        return nullptr;
    }
    return sink;
}

std::string replacementPathFor(std::string_view target) {
    return std::string(target) + ".tmp";
}

void replaceFileContents(std::string_view target, std::string_view contents,
                         const SinkOpener& openSink) {
    const std::string native = toNativePath(target);
    checkTarget(native);
    const std::string temporary = replacementPathFor(native);
    std::unique_ptr<ByteSink> sink = openSink(temporary);
    if (!sink) {
        throw RunTimeError(ErrorCode::DiskNotReady, "cannot create \"" + temporary + "\"");
    }
    try {
        writeTemporary(*sink, contents, temporary);
    } catch (...) {
        sink.reset();
        removeQuietly(temporary);
        throw;
    }
    sink.reset();
    std::error_code failure;
    fs::rename(fs::path(temporary), fs::path(native), failure);
    if (failure) {
        removeQuietly(temporary);
        throw RunTimeError(ErrorCode::DiskNotReady,
                           "cannot replace \"" + native + "\": " + failure.message());
    }
}

} // namespace torval
