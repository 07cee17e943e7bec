#pragma once
// A fresh directory of a test's own under the system's temporary directory, removed with
// everything in it when the test ends.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

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

    // The names of the entries directly inside, sorted: what a write left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(root_)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

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
