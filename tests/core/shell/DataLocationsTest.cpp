#include "shell/DataLocations.h"

#include "shell/Platform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

struct LocationCase {
    std::string what;
    bool writable;
    UserDirectories user;
    DataLocations expected;
};

TEST(DataLocations, TheApplicationDirectoryUnlessItIsReadOnlyThenTheUsersOwnDirectories) {
    const std::string s(1, nativeSeparator());
    const std::string app = s + "opt" + s + "torval";
    const std::string config = s + "home" + s + "ann" + s + ".config";
    const std::string cache = s + "home" + s + "ann" + s + ".cache";
    const DataLocations inApp{app + s + "torval.ini", app + s + "TempData"};
    const std::string userIni = config + s + "torval" + s + "torval.ini";
    const std::string userTemp = cache + s + "torval" + s + "TempData";
    // clang-format off
    const std::vector<LocationCase> cases = {
        {"writable: the application directory", true, {config, cache}, inApp},
        {"read-only: configuration and cache directories", false, {config, cache}, {userIni, userTemp}},
        {"read-only without user directories", false, {}, inApp},
        {"read-only with only a configuration directory", false, {config, ""}, {userIni, inApp.TempDataPath}},
        {"read-only with only a cache directory", false, {"", cache}, {inApp.IniFilePath, userTemp}},
    };
    // clang-format on
    for (const LocationCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(dataLocations(app, c.writable, c.user), c.expected);
    }
}

} // namespace
} // namespace torval
