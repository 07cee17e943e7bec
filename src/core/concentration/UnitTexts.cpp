#include "concentration/UnitTexts.h"

#include "shell/Text.h"

#include <array>
#include <string>
#include <string_view>

namespace torval {

namespace {

struct UnitFactor {
    std::string_view token;
    double factor;
};

constexpr std::array<UnitFactor, 8> UnitFactors{{
    {"mg/m", 0.001},
    {"kg/m", 1000.0},
    {"ug/l", 0.001},
    {"ppm", 1.0},
    {"ppb", 0.001},
    {"mg/ft", 1.0 / 28.3},
    {"mg/inch", 1.0 / 0.0164},
    {"mg/cm", 1000.0},
}};

void keepTextAfterAmpersand(std::string& unit) {
    const std::size_t ampersand = unit.find('&');
    if (ampersand != std::string::npos) {
        unit = lowerCase(std::string_view(unit).substr(ampersand + 1));
    }
}

} // namespace

double ConcentrationUnitFactor(std::string_view unitText) {
    const std::string unit = lowerCase(trimBlanksView(unitText));
    for (const UnitFactor& candidate : UnitFactors) {
        if (contains(unit, candidate.token)) {
            return candidate.factor;
        }
    }
    return 1.0;
}

double ConcentrationUnitFactor(const ModelDataSet& data) {
    return ConcentrationUnitFactor(data.ConcentrationUnit);
}

void CleanUnitTexts(ModelDataSet& data) {
    keepTextAfterAmpersand(data.LengthUnit);
    keepTextAfterAmpersand(data.ConcentrationUnit);
    keepTextAfterAmpersand(data.TimeUnit);
}

} // namespace torval
