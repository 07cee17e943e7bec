#pragma once
// Reading the files the user picks: only a regular file is read, and never more than the size
// it had when it was opened, so that a directory, a device, a named pipe or an endless stream
// picked by mistake (or planted on purpose) is refused at once instead of blocking the program
// or filling its memory. The failures carry the run-time codes ErrorReport explains:
//   53 no such file, 70 permission denied, 75 a directory (IsDirectory), 68 a device, pipe or
//   socket, 64 a name the system cannot take (too long), 71 a read error of the device.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace torval {

class RegularFile {
public:
    explicit RegularFile(std::string_view path);
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&&) = delete;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The size at opening; reads stop there even when the file grows.
    std::uint64_t size() const noexcept { return size_; }

    // Reads up to count bytes into `into`; 0 at the end (of the file or of its size at opening).
    std::size_t read(char* into, std::size_t count);

private:
    std::intptr_t handle_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t consumed_ = 0;
};

// The bytes of a file read whole; the storage does not move when the object does.
struct FileBytes {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;

    std::string_view view() const noexcept { return {bytes.get(), size}; }
};

// The whole regular file at the path, in one allocation of its size (7 when that cannot be
// had), with the codes of RegularFile otherwise.
FileBytes readWholeRegularFile(std::string_view path);

} // namespace torval
