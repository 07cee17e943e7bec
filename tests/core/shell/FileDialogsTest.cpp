#include "shell/FileDialogs.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

struct FilterCase {
    std::string text;
    std::vector<FileFilter> expected;
};

TEST(FileDialogs, AFilterTextAlternatesDescriptionsAndPatterns) {
    // clang-format off
    const std::vector<FilterCase> cases = {
        {"Text Editor (*.exe)|*.exe|All Files (*.*)|*.*", {{"Text Editor (*.exe)", "*.exe"}, {"All Files (*.*)", "*.*"}}},
        {"Air (*.box;*.gas)|*.box;*.gas", {{"Air (*.box;*.gas)", "*.box;*.gas"}}},
        {"Lonely description", {{"Lonely description", ""}}},
        {"", {}},
    };
    // clang-format on
    for (const FilterCase& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(fileFilters(c.text), c.expected);
    }
}

} // namespace
} // namespace torval
