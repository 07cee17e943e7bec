#include "shell/Platform.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

namespace fs = std::filesystem;

std::string withBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A fresh directory of our own under the system's temporary directory, with a plain file, a
// hidden file and a subdirectory in it; removed again after each test.
class Platform : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = fs::temp_directory_path() / ("torval-platform-" + std::to_string(stamp) + "-" +
                                             std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "sub");
        std::ofstream(root_ / "run.box") << "data";
        std::ofstream(root_ / ".hidden") << "data";
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    std::string root() const { return root_.string(); }

private:
    fs::path root_;
};

struct ExistsCase {
    std::string what;
    std::string path;
    bool file;
    bool entry;
};

TEST_F(Platform, FileExistsAndDirectoryExistsTellFilesFromDirectories) {
    const std::vector<ExistsCase> cases = {
        {"a plain file", path("run.box"), true, true},
        {"a hidden file", path(".hidden"), true, true},
        {"a file with blanks around", "  " + path("run.box") + " ", true, true},
        {"a file written with backslashes", withBackslashes(path("run.box")), true, true},
        {"a directory", path("sub"), false, true},
        {"a directory with a trailing separator", path("sub") + "/", false, true},
        {"a directory written with backslashes", withBackslashes(path("sub")) + "\\", false, true},
        {"a missing file", path("missing.box"), false, false},
        {"a name below a file", path("run.box") + "/inner", false, false},
        {"a name in a missing directory", path("nowhere/run.box"), false, false},
        {"an empty path", "", false, false},
        {"a path of blanks", "   ", false, false},
    };

    for (const ExistsCase& c : cases) {
        SCOPED_TRACE(c.what + ": \"" + c.path + "\"");
        EXPECT_EQ(FileExists(c.path), c.file);
        EXPECT_EQ(DirectoryExists(c.path), c.entry);
    }
}

TEST_F(Platform, FreeDiskSpaceKBMeasuresAnExistingDirectoryAndRefusesAMissingOne) {
    const double free = FreeDiskSpaceKB(root());
    const fs::space_info space = fs::space(root());
    EXPECT_GT(free, 0.0);
    EXPECT_LE(free, static_cast<double>(space.capacity) / 1024.0);

    EXPECT_EQ(codeOf([&] { FreeDiskSpaceKB(path("nowhere")); }), ErrorCode::DiskNotReady);
}

struct JoinCase {
    std::string dir;
    std::string name;
    std::string joined;
};

TEST(PlatformPaths, JoinPathPutsExactlyOneSeparatorBetweenDirectoryAndName) {
    const std::string s(1, nativeSeparator());
    const std::vector<JoinCase> cases = {
        {"data", "run.box", "data" + s + "run.box"},
        {"data/", "run.box", "data" + s + "run.box"},
        {"data\\", "run.box", "data" + s + "run.box"},
        {"data", "/run.box", "data" + s + "run.box"},
        {"data//", "\\\\run.box", "data" + s + "run.box"},
        {"/", "run.box", s + "run.box"},
        {"/usr/share", "torval/Helps", s + "usr" + s + "share" + s + "torval" + s + "Helps"},
        {R"(C:\TORVAL)", "torval.ini", "C:" + s + "TORVAL" + s + "torval.ini"},
        {"", "run.box", "run.box"},
        {"data", "", "data" + s},
    };

    for (const JoinCase& c : cases) {
        SCOPED_TRACE("\"" + c.dir + "\" + \"" + c.name + "\"");
        EXPECT_EQ(joinPath(c.dir, c.name), c.joined);
    }
}

TEST(PlatformPaths, ProgramDirectoryHoldsTheRunningTests) {
    const std::string directory = programDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), nativeSeparator());
    EXPECT_TRUE(fs::path(directory).is_absolute());
    EXPECT_TRUE(FileExists(joinPath(directory, "torval_core_tests")) ||
                FileExists(joinPath(directory, "torval_core_tests.exe")));
}

} // namespace
} // namespace torval
