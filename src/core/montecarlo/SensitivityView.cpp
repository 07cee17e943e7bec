#include "montecarlo/SensitivityView.h"

#include "intake/VariedInputs.h"

#include <charconv>

namespace torval {

SensitivityView::SensitivityView(const AppState& state) {
    if (!calculationShown(state)) {
        return;
    }
    const std::vector<VariedInput> inputs = VariedInputValues(state);
    if (inputs.size() < 2) {
        return;
    }
    entries_ = SensitivityAnalysis(inputs, CalculatedIntakes(state));
}

namespace {

// Fixed decimals with a point whatever the locale.
std::string fixed(double value, int decimals) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}

} // namespace

std::string SensitivityView::contributionText(const SensitivityEntry& entry) {
    return fixed(entry.contribution * 100, 1) + " %";
}

std::string_view SensitivityView::notice() const {
    return entries_.empty() ? NotAvailable : std::string_view();
}

} // namespace torval
