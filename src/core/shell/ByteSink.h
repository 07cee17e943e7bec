#pragma once
// Where the bytes of a file being written go. The file writers go through this interface so
// that tests can stand in a target that fails after N bytes (a full disk) without filling a
// real disk.

#include <string_view>

namespace torval {

class ByteSink {
public:
    virtual ~ByteSink() = default;

    // Appends the bytes; false when they could not all be written.
    virtual bool write(std::string_view bytes) = 0;

    // Flushes everything written to the disk and closes; false when that failed. Called once,
    // last.
    virtual bool close() = 0;
};

} // namespace torval
