#pragma once
// The unit texts of a loaded data set: the factor that brings its concentrations to mg/l, and
// the clean-up of unit texts that files write with a label in front ("Length&M").

#include "datafiles/ModelDataSet.h"

#include <string_view>

namespace torval {

// The factor to mg/l of a concentration unit text. The trimmed, lower-cased text is searched
// for "mg/m" (0.001), "kg/m" (1000), "ug/l" (0.001), "ppm" (1), "ppb" (0.001), "mg/ft"
// (1/28.3), "mg/inch" (1/0.0164) and "mg/cm" (1000) in this order and the first one contained
// anywhere decides, so "mg/ml" reads as "mg/m"; any other text, "mg/l" and "" among them,
// gives 1.
double ConcentrationUnitFactor(std::string_view unitText);
double ConcentrationUnitFactor(const ModelDataSet& data);

// LengthUnit, ConcentrationUnit and TimeUnit, each holding an "&", become the lower-cased
// text after their first "&".
void CleanUnitTexts(ModelDataSet& data);

} // namespace torval
