#include "shell/Platform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

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

} // namespace
} // namespace torval
