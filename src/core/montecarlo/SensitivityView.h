#pragma once
// The sensitivity window without its widgets: for the last Monte Carlo calculation, one bar
// per varied input, longest first, with its rank correlation and contribution beside it.

#include "AppState.h"
#include "montecarlo/Sensitivity.h"

#include <string>
#include <string_view>
#include <vector>

namespace torval {

class SensitivityView {
public:
    static constexpr std::string_view Caption = "Sensitivity";
    static constexpr std::string_view NotAvailable =
        "Sensitivity needs a Monte Carlo calculation with two or more varied inputs.";

    explicit SensitivityView(const AppState& state);

    // Sorted by |rank correlation|, largest first; none when the calculation offers no
    // sensitivity (see notice()).
    const std::vector<SensitivityEntry>& entries() const noexcept { return entries_; }
    // An entry's contribution to the variance as written beside its bar: "69.3 %".
    static std::string contributionText(const SensitivityEntry& entry);
    // NotAvailable when there are no entries, else empty.
    std::string_view notice() const;

private:
    std::vector<SensitivityEntry> entries_;
};

} // namespace torval
