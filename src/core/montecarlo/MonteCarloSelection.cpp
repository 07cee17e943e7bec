#include "montecarlo/MonteCarloSelection.h"

#include "montecarlo/MonteCarloSaveRestore.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <optional>
#include <string>

namespace torval {

namespace {

// The blanks push the reference out of sight in the entry, which shows its start only; the
// calculation finds "Monte" and the variant row after the ":".
constexpr std::size_t ReferenceBlanks = 500;

std::string referenceText(const MonteCarloVariant& variant, int row) {
    return std::string(ReferenceBlanks, ' ') + "Monte Carlo|" + trimBlanks(variant.Mean) + ":" +
           std::to_string(row);
}

// The entry text a statistics row's marker asks for; nullopt leaves the entry as it is.
std::optional<std::string> selectedText(const AppState& state, int row) {
    const MonteCarloResult& result = state.SavedResultTGData.at(row, 1);
    const std::string marker = lowerCase(result.Marker);
    if (marker == "minimum") {
        return FormatNumber(result.Minimum);
    }
    if (marker == "maximum") {
        return FormatNumber(result.Maximum);
    }
    if (marker == "standard deviation") {
        return FormatNumber(result.StandardDeviation);
    }
    if (marker == "arithematic mean") {
        return FormatNumber(result.ArithmeticMean);
    }
    if (marker == "geometric mean") {
        return FormatNumber(result.GeometricMean);
    }
    if (marker == "median") {
        return FormatNumber(result.Median);
    }
    if (marker == "variants" || marker == "variant") {
        return referenceText(state.SavedInputTGData.at(row, 1), row);
    }
    if (marker == "nothing") {
        return FormatNumber(state.SavedInputTGData.at(row, 1).Mean);
    }
    return std::nullopt;
}

// A row without a variant name belongs to no entry, even one without a label.
bool rowNamesEntry(const MonteCarloResult& result, const AnalysisEntry& entry) {
    const std::string variant = lowerCase(trimBlanks(result.Variant));
    return result.Selected && !variant.empty() && variant == lowerCase(trimBlanks(entry.label));
}

void applyToEntry(const AppState& state, AnalysisEntry& entry) {
    for (int row = 1; row <= state.SavedMCResultRowCount; ++row) {
        if (rowNamesEntry(state.SavedResultTGData.at(row, 1), entry)) {
            if (std::optional<std::string> text = selectedText(state, row)) {
                entry.text = std::move(*text);
            }
        }
    }
}

} // namespace

// The values generated always belong to chemical 1, whichever chemical is current.
void ApplyMonteCarloSelection(AppState& state, std::vector<AnalysisEntry>& entries,
                              std::string_view callerTag) {
    SaveMonteCarloTables(state, callerTag);
    if (callerTag != AnalysisCallerTag) {
        return;
    }
    state.ResultsOutdated = state.SimulationGenerated;
    for (AnalysisEntry& entry : entries) {
        applyToEntry(state, entry);
    }
}

} // namespace torval
