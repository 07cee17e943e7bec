#include "shell/DesktopEnvironment.h"

#include "shell/Platform.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace torval {
namespace {

struct UserDirectoriesCase {
    std::string what;
    std::map<std::string, std::string> environment;
    UserDirectories expected;
};

TEST(DesktopEnvironment, UserDirectoriesFollowTheXdgVariablesThenHomeThenWindowsOnes) {
    const std::string s(1, nativeSeparator());
    const std::vector<UserDirectoriesCase> cases = {
        {"both XDG variables",
         {{"XDG_CONFIG_HOME", "/x/config"}, {"XDG_CACHE_HOME", "/x/cache"}, {"HOME", "/h"}},
         {s + "x" + s + "config", s + "x" + s + "cache"}},
        {"HOME alone", {{"HOME", "/h"}}, {s + "h" + s + ".config", s + "h" + s + ".cache"}},
        {"relative and empty XDG values are skipped",
         {{"XDG_CONFIG_HOME", "x/config"}, {"XDG_CACHE_HOME", ""}, {"HOME", "/h"}},
         {s + "h" + s + ".config", s + "h" + s + ".cache"}},
        {"a relative HOME is skipped too", {{"HOME", "h"}}, {"", ""}},
        {"the Windows variables after HOME",
         {{"APPDATA", "/roaming"}, {"LOCALAPPDATA", "/local"}},
         {s + "roaming", s + "local"}},
        {"nothing set", {}, {"", ""}},
    };
    for (const UserDirectoriesCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto lookup = [&](const char* name) -> std::optional<std::string> {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::nullopt
                                                : std::optional<std::string>(found->second);
        };
        EXPECT_EQ(userDirectoriesFrom(lookup), c.expected);
    }
}

} // namespace
} // namespace torval
