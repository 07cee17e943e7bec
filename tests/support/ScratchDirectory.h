#pragma once
// A fresh directory of a test's own under the system's temporary directory, removed with
// everything in it when the test ends.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace torval::testing {

class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& purpose) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = std::filesystem::temp_directory_path() /
                ("torval-" + purpose + "-" + std::to_string(stamp) + "-" +
                 std::to_string(std::random_device{}()));
        std::filesystem::create_directories(root_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string path() const { return root_.string(); }
    std::string path(const std::string& name) const { return (root_ / name).string(); }

    void makeDirectory(const std::string& name) const {
        std::filesystem::create_directories(root_ / name);
    }
    void writeFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path root_;
};

} // namespace torval::testing
