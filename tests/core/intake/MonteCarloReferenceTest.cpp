#include "intake/MonteCarloReference.h"

#include "intake/ParamDisplayValue.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

// Whether a text is a reference, the variant row it names and the part an entry shows of it.
TEST(MonteCarloReference, RecognisesReferencesTheirVariantAndWhatTheyShow) {
    struct Case {
        std::string text;
        bool reference;
        int variant; // -1: raises 6
        std::string shown;
    };
    const std::string mc = "Monte Carlo";
    // clang-format off
    const std::vector<Case> cases = {
        {std::string(500, ' ') + "Monte Carlo|12.5:3", true, 3, "12.5"},
        {"Monte Carlo|0.0005:12", true, 12, "0.0005"},
        {"Monte Carlo| 70 :1", true, 1, " 70 "},             // the part is kept as it stands
        {"Monte Carlo|1.5:2:7", true, 2, "1.5"},             // up to the first ":"
        {"Monte Carlo|a|b:1", true, 1, "a|b"},               // from the first "|"
        {"Monte Carlo|:4", true, 4, "Monte Carlo|:4"},       // nothing between "|" and ":"
        {"Monte Carlo:4|9", true, 4, "Monte Carlo:4|9"},     // ":" before "|"
        {"Monte Carlo|9", true, 0, "Monte Carlo|9"},         // no ":", so no variant
        {"Monte Carlo:3", true, 3, mc},                      // no "|": from the first character
        {"Monte Carlo: 12 (mean)", true, 12, mc},
        {"Monte Carlo:", true, 0, mc},
        {"Monte Carlo:x", true, 0, mc},
        {"Monte Carlo:2.5", true, 2, mc},
        {"Monte Carlo:3.5", true, 4, mc},
        {"Monte Carlo:2.6", true, 3, mc},
        {"variant 2: Monte", true, 0, "variant 2"},
        {"Monte Carlo:-4", true, -4, mc},
        {"Monte Carlo:40000", true, -1, mc},
        {"monte carlo|2.5:1", false, 1, "monte carlo|2.5:1"}, // no capital M: not touched
        {"MONTE CARLO:3", false, 3, "MONTE CARLO"},
        {"M:5", false, 5, "M"},
        {"Max|3:1", false, 1, "3"}, // any capital M, not only a reference's
        {"70", false, 0, "70"},
        {"", false, 0, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(c.text.find_first_not_of(' ') == std::string::npos
                                       ? 0
                                       : c.text.find_first_not_of(' ')));
        EXPECT_EQ(isMonteCarloReference(c.text), c.reference);
        if (c.variant == -1) {
            EXPECT_EQ(codeOf([&] { variantNumberOf(c.text); }), ErrorCode::Overflow);
        } else {
            EXPECT_EQ(variantNumberOf(c.text), c.variant);
        }
        EXPECT_EQ(ParamDisplayValue(c.text), c.shown);
    }
}

} // namespace
} // namespace torval
