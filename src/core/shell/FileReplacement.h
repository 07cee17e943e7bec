#pragma once
// Replacing a file's whole content so that a failure never leaves it half written: the bytes go
// into a temporary file beside the target, which is renamed over the target only once every
// byte has reached it. Until that rename the previous file stays byte for byte as it was, and a
// failure removes the temporary file again.
//
// The bytes pass through a ByteSink, which the caller may replace, so that tests can stand in a
// target that fails after N bytes (a full disk) without filling a real disk.
//
// Failures raise the codes under which ErrorReport tells the user what to do:
//   64 (bad file name)  the target path is empty or names a directory;
//   71 (disk not ready) the temporary file cannot be created or the rename fails: the directory
//                       is missing, read-only or not ours, which the user fixes on the disk;
//   61 (disk full)      the bytes cannot all be written or flushed to the temporary file.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace torval {

// Where the bytes of the temporary file go.
class ByteSink {
public:
    virtual ~ByteSink() = default;

    // Appends the bytes; false when they could not all be written.
    virtual bool write(std::string_view bytes) = 0;

    // Flushes everything written and closes; false when that failed. Called once, last.
    virtual bool close() = 0;
};

// Opens a sink that creates (or truncates) the file at the path; nullptr when it cannot.
using SinkOpener = std::function<std::unique_ptr<ByteSink>(const std::string& path)>;

// The sink of a real file, opened in binary mode so that line ends are written as given.
std::unique_ptr<ByteSink> openFileSink(const std::string& path);

// The temporary file used for the target: the target's name with ".tmp" appended, in the
// target's directory so that the rename never crosses file systems.
std::string replacementPathFor(std::string_view target);

// Replaces the file at target (created when missing) with exactly the given bytes.
void replaceFileContents(std::string_view target, std::string_view contents,
                         const SinkOpener& openSink = openFileSink);

} // namespace torval
