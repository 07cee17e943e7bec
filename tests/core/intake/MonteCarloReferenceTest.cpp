#include "intake/MonteCarloReference.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

TEST(MonteCarloReference, RecognisesReferencesAndTheirVariant) {
    struct Case {
        std::string_view text;
        bool reference;
        int variant; // -1: raises 6
    };
    const std::vector<Case> cases = {
        {"Monte Carlo:3", true, 3},
        {"Monte Carlo: 12 (mean)", true, 12},
        {"Monte Carlo", true, 0},
        {"Monte Carlo:", true, 0},
        {"Monte Carlo:x", true, 0},
        {"Monte Carlo:2.5", true, 2},
        {"Monte Carlo:3.5", true, 4},
        {"Monte Carlo:2.6", true, 3},
        {"Monte Carlo:1:7", true, 1},
        {"variant 2: Monte", true, 0},
        {"Monte Carlo:-4", true, -4},
        {"Monte Carlo:40000", true, -1},
        {"monte carlo:3", false, 3},
        {"MONTE CARLO:3", false, 3},
        {"70", false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isMonteCarloReference(c.text), c.reference);
        if (c.variant == -1) {
            EXPECT_EQ(codeOf([&] { variantNumberOf(c.text); }), ErrorCode::Overflow);
        } else {
            EXPECT_EQ(variantNumberOf(c.text), c.variant);
        }
    }
}

} // namespace
} // namespace torval
