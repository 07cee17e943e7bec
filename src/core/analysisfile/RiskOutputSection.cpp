#include "analysisfile/RiskOutputSection.h"

#include "analysisfile/RiskFileFields.h"
#include "analysisfile/RiskFileLines.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

namespace torval {

namespace {

constexpr std::string_view BeginMarker = "[Begin Risk Output Data]";
constexpr std::string_view EndMarker = "[End Risk Output Data]";
constexpr std::string_view ResultLabel = "Risk Results: ";
constexpr std::string_view IterationsLabel = "Number of Monte Carlo Iterations: ";

void readIntakes(FreeFormatReader& in, AppState& state) {
    const std::int32_t count = count32Of(readLabelled(in, IterationsLabel));
    BoundedArray<double, 1> intakes;
    if (count >= 1) {
        in.requireRoomFor(std::int64_t{count} - 1);
        intakes.redim({1, count});
        for (std::int32_t k = 1; k < count; ++k) {
            intakes.at(k) = in.numberField();
        }
    }
    state.ResultCount = count;
    state.IntakeResults = std::move(intakes);
}

} // namespace

bool isMonteCarloResultText(std::string_view resultText) {
    return contains(lowerCase(resultText), "monte");
}

void WriteRiskOutputSection(std::string& out, const AppState& state) {
    appendLine(out, BeginMarker);
    appendLabelled(out, ResultLabel, state.riskInput.ResultText);
    if (isMonteCarloResultText(state.riskInput.ResultText)) {
        appendLabelled(out, IterationsLabel, std::to_string(state.ResultCount));
        for (std::int32_t k = 1; k < state.ResultCount; ++k) {
            appendLine(out, printText(state.IntakeResults.at(k)));
        }
    }
    appendLine(out, EndMarker);
    appendLine(out, "");
}

void ReadRiskOutputSection(FreeFormatReader& in, AppState& state) {
    expectRiskMarker(in, BeginMarker);
    state.riskInput.ResultText = readLabelled(in, ResultLabel);
    if (isMonteCarloResultText(state.riskInput.ResultText)) {
        readIntakes(in, state);
    }
    expectRiskMarker(in, EndMarker);
}

} // namespace torval
