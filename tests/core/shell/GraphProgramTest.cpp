#include "shell/GraphProgram.h"

#include "shell/DesktopEnvironment.h"
#include "shell/Text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

struct VersionCase {
    std::string path;
    GraphVersion expected;
};

TEST(GraphProgram, TheOriginalVersionIsKnownByItsFileNameInAnyCase) {
    const std::string original = executableName("charton1");
    const std::vector<VersionCase> cases = {
        {graphProgramPath("/opt/torval", GraphVersion::Original), GraphVersion::Original},
        {graphProgramPath("/opt/torval", GraphVersion::New), GraphVersion::New},
        {"C:\\TORVAL\\CHARTON\\" + upperCase(original), GraphVersion::Original},
        {"/opt/charton1/" + executableName("charton"), GraphVersion::New},
        {"/opt/other/" + executableName("plotter"), GraphVersion::New},
        {"", GraphVersion::New},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE("\"" + c.path + "\"");
        EXPECT_EQ(graphVersionOf(c.path), c.expected);
    }
}

} // namespace
} // namespace torval
