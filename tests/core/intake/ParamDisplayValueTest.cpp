#include "intake/ParamDisplayValue.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

TEST(ParamDisplayValue, KeepsOnlyTheDisplayPartOfAReference) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {std::string(500, ' ') + "Monte Carlo|12.5:3", "12.5"},
        {"Monte Carlo|0.0005:12", "0.0005"},
        {"Monte Carlo| 70 :1", " 70 "},             // the part is kept as it stands
        {"Monte Carlo|1.5:2:7", "1.5"},             // up to the first ":"
        {"Monte Carlo|a|b:1", "a|b"},               // from the first "|"
        {"M:5", "M"},                               // no "|": from the first character
        {"Monte Carlo|:4", "Monte Carlo|:4"},       // nothing between "|" and ":"
        {"Monte Carlo:4|9", "Monte Carlo:4|9"},     // ":" before "|"
        {"Monte Carlo|9", "Monte Carlo|9"},         // no ":"
        {"monte carlo|2.5:1", "monte carlo|2.5:1"}, // no capital M: not touched
        {"70", "70"},
        {"", ""},
        {"Max|3:1", "3"}, // any capital M, not only a reference's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(c.text.find_first_not_of(' ') == std::string::npos
                                       ? 0
                                       : c.text.find_first_not_of(' ')));
        EXPECT_EQ(ParamDisplayValue(c.text), c.shown);
    }
}

} // namespace
} // namespace torval
