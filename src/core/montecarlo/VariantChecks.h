#pragma once
// The checks every in-use variant passes before values are generated for it, with the messages
// that tell the user which number of which variant is wrong, and the rule that keeps a varied
// soil water content below the soil porosity. A row that passes them is one the generator
// library accepts: what the library would refuse for the row's distribution (a mean that is not
// positive for lognormal or exponential, a minimum that is not positive for loguniform, a
// variance too small for a float) is refused here first, naming the variant and the rule.

#include "AppState.h"
#include "montecarlo/VariantTable.h"
#include "shell/Prompter.h"

#include <string_view>

namespace torval {

// Runs the row checks on the current chemical's in-use rows, then SoilRuleCheck; shows the
// first failure's message and returns false, or returns true.
bool ValidateVariants(const AppState& state, Prompter& prompter, const ParameterList& parameters);

bool SoilRuleCheck(const AppState& state, Prompter& prompter, const ParameterList& parameters);

// kind "Nil", "Zero" or "Negative"; field "variance", "mean", "minimum", "maximum" or
// "number of terms".
void ReportImproperInput(Prompter& prompter, std::string_view kind, std::string_view field,
                         std::string_view variantName);

} // namespace torval
