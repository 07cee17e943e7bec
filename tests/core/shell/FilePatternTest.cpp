#include "shell/FilePattern.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

struct PatternCase {
    std::string name;
    std::string patterns;
    bool matches;
};

TEST(FilePattern, MatchesWildcardListsIgnoringCase) {
    const std::vector<PatternCase> cases = {
        {"run.box", "*.box", true},
        {"RUN.BOX", "*.box", true},
        {"run.boxes", "*.box", false},
        {"run.box.bak", "*.box", false},
        {"run.gas", "*.frm;*.tbx;*.cwh;*.jry;*.box;*.gas", true},
        {"run.gas", "*.frm; *.gas ", true},
        {"run.ind", "*.frm;*.tbx;*.cwh;*.jry;*.box;*.gas", false},
        {"plain", "*.*", true},
        {"plain", "*.tvl", false},
        {"anything", "", true},
        {"anything", "   ", true},
        {"a.tvl", ";;*.tvl", true},
        {"a.one", "?.one", true},
        {"ab.one", "?.one", false},
        {".one", "?.one", false},
        {"aaab", "a*ab", true},
        {"abab.x", "*ab*.x", true},
        {"abc", "a*c*", true},
        {"abd", "a*c*", false},
        {"x", "**", true},
    };

    for (const PatternCase& c : cases) {
        SCOPED_TRACE("\"" + c.name + "\" against \"" + c.patterns + "\"");
        EXPECT_EQ(matchesFilePattern(c.name, c.patterns), c.matches);
    }
}

} // namespace
} // namespace torval
