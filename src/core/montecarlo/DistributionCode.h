#pragma once
// The distributions a variant may name and the codes the generator library knows them by. The
// checks before a generation and the generation itself map names through this one function, so
// a name the checks accept is always one the generation can pass on.

#include <cstdint>
#include <string_view>

namespace torval {

// The generator's code (1 normal ... 7 loguniform) of a distribution name compared trimmed and
// lower-cased ("Normal", " normal "); 0 for a name that is not a distribution.
std::int16_t distributionCode(std::string_view name);

} // namespace torval
