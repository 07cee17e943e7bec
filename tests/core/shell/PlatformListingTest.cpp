#include "shell/Platform.h"
#include "support/ScratchDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

struct TrimCase {
    std::string directory;
    std::string trimmed;
};

TEST(PlatformDirectories, WithoutTrailingSeparatorKeepsRoots) {
    const std::vector<TrimCase> cases = {
        {"/opt/torval/", "/opt/torval"},
        {"/opt/torval", "/opt/torval"},
        {"/opt/torval//", "/opt/torval"},
        {R"(C:\TORVAL\)", R"(C:\TORVAL)"},
        {R"(C:\TORVAL/\)", R"(C:\TORVAL)"},
        {"/", "/"},
        {"//", "/"},
        {R"(C:\)", R"(C:\)"},
        {"C:/", "C:/"},
        {"C:", "C:"},
        {"relative/dir/", "relative/dir"},
        {"", ""},
    };
    for (const TrimCase& c : cases) {
        SCOPED_TRACE("\"" + c.directory + "\"");
        EXPECT_EQ(withoutTrailingSeparator(c.directory), c.trimmed);
    }
}

TEST(PlatformDirectories, SystemProgramDirectoryAndDriveRootsExist) {
    const std::string programs = systemProgramDirectory();
    ASSERT_FALSE(programs.empty());
    EXPECT_EQ(programs.back(), nativeSeparator());
    EXPECT_TRUE(fs::is_directory(programs));

    const Names roots = driveRoots();
    ASSERT_FALSE(roots.empty());
    for (const std::string& root : roots) {
        SCOPED_TRACE(root);
        EXPECT_EQ(root.back(), nativeSeparator());
    }
}

// Directory entries the browser lists: subdirectories and files apart, hidden ones left out,
// links taken for what they point to, sorted as a user reads them.
TEST(PlatformDirectories, ListingSeparatesSubdirectoriesFromFiles) {
    const testing::ScratchDirectory scratch("listing");
    scratch.makeDirectory("beta");
    scratch.makeDirectory("Alpha");
    scratch.makeDirectory(".config");
    scratch.writeFile("run.box", "data");
    scratch.writeFile("Notes.txt", "data");
    scratch.writeFile("a.one", "data");
    scratch.writeFile(".hidden", "data");
    std::error_code noLinks;
    fs::create_directory_symlink(scratch.path("beta"), scratch.path("linked"), noLinks);
    fs::create_symlink(scratch.path("gone"), scratch.path("dangling"), noLinks);
    const bool linksMade = !noLinks;

    const Names expectedDirectories =
        linksMade ? Names{"Alpha", "beta", "linked"} : Names{"Alpha", "beta"};
    EXPECT_EQ(listSubdirectories(scratch.path()), expectedDirectories);
    EXPECT_EQ(listSubdirectories(scratch.path() + "/"), expectedDirectories);
    EXPECT_EQ(listFiles(scratch.path()), (Names{"a.one", "Notes.txt", "run.box"}));
    EXPECT_TRUE(listFiles(scratch.path("beta")).empty());
    EXPECT_TRUE(listFiles(scratch.path("missing")).empty());
    EXPECT_TRUE(listSubdirectories(scratch.path("run.box")).empty());
}

} // namespace
} // namespace torval
