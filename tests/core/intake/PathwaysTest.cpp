#include "intake/Pathways.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

using testing::codeOf;

TEST(Pathways, CodesOutsideTheTableAreRejected) {
    for (const int code : {-1, 9, 32767}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(isPathwayCode(code));
        EXPECT_EQ(codeOf([&] { pathwayInfo(code); }), ErrorCode::SubscriptOutOfRange);
    }
}

} // namespace
} // namespace torval
