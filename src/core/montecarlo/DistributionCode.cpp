#include "montecarlo/DistributionCode.h"

#include "shell/Text.h"

#include <array>
#include <stogen/GeneratorRequest.h>
#include <string>
#include <utility>

namespace torval {

namespace {

constexpr std::array<std::pair<std::string_view, std::int16_t>, 7> StoredNames{{
    {"normal", GeneratorNormal},
    {"lognormal", GeneratorLognormal},
    {"uniform", GeneratorUniform},
    {"exponential", GeneratorExponential},
    {"gumbel", GeneratorGumbel},
    {"triangle", GeneratorTriangle},
    {"loguniform", GeneratorLoguniform},
}};

} // namespace

std::int16_t distributionCode(std::string_view name) {
    const std::string stored = lowerCase(trimBlanks(name));
    for (const auto& [storedName, code] : StoredNames) {
        if (stored == storedName) {
            return code;
        }
    }
    return 0;
}

} // namespace torval
