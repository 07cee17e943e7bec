// The library as a C caller sees it: the request's layout, the unmangled exported name, and a
// call from C code giving the same series as a call from C++.
#include "StogenTestSupport.h"

#include <array>
#include <cstddef>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <type_traits>

extern "C" int16_t generateFromC(int16_t distribution, float mean, float stdDev, float variance,
                                 float minimum, float maximum, int32_t* count, float* values);

namespace torval::stogen::testing {
namespace {

static_assert(std::is_standard_layout_v<GeneratorRequest>);
static_assert(std::is_trivially_copyable_v<GeneratorRequest>);
static_assert(alignof(GeneratorRequest) == 4);

TEST(CInterfaceTest, CallersInCAndThroughTheExportedNameGetTheSameSeries) {
    using MonteCarloEntry = int16_t (*)(GeneratorRequest*, float*);
    const auto entry = reinterpret_cast<MonteCarloEntry>(dlsym(RTLD_DEFAULT, "monteCarlo"));
    ASSERT_NE(entry, nullptr) << "monteCarlo is not exported under its C name";

    const GeneratorRequest request = makeRequest(GeneratorTriangle, 4, 2, 1, 9, 64);
    const std::vector<float> expected = generateWithSeed(request, 99).values;

    std::array<float, 64> fromC{};
    int32_t count = request.Count;
    internal::reseed(99);
    EXPECT_EQ(generateFromC(request.Distribution, request.Mean, request.StdDev, request.Variance,
                            request.Minimum, request.Maximum, &count, fromC.data()),
              GeneratorOk);
    EXPECT_EQ(count, 64);
    EXPECT_EQ(std::vector<float>(fromC.begin(), fromC.end()), expected);

    GeneratorRequest byName = request;
    std::array<float, 64> throughName{};
    internal::reseed(99);
    EXPECT_EQ(entry(&byName, throughName.data()), GeneratorOk);
    EXPECT_EQ(byName.Count, 64);
    EXPECT_EQ(std::vector<float>(throughName.begin(), throughName.end()), expected);
}

} // namespace
} // namespace torval::stogen::testing
