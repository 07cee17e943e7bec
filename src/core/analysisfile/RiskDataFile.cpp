#include "analysisfile/RiskDataFile.h"

#include "analysisfile/RiskFileFields.h"
#include "analysisfile/RiskFileLines.h"
#include "analysisfile/RiskInputSection.h"
#include "analysisfile/RiskModelDataSection.h"
#include "analysisfile/RiskMonteCarloSection.h"
#include "analysisfile/RiskOutputSection.h"
#include "montecarlo/MonteCarloSaveRestore.h"
#include "shell/ErrorReport.h"
#include "shell/OperationFailure.h"
#include "shell/RunTimeError.h"
#include "shell/TextEncoding.h"

#include <algorithm>

namespace torval {

namespace {

constexpr std::string_view EndOfFileMarker = "[End File]";

// A saved Monte Carlo result must state as many iterations in its results as in its tables,
// or the analysis read could not be saved again.
void checkIterationCounts(const AppState& state, std::int32_t resultIterations) {
    if (isMonteCarloResultText(state.riskInput.ResultText) &&
        std::max(resultIterations, 1) != state.MonteCarloCount) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "iteration counts disagree");
    }
}

} // namespace

std::string RiskDataFileContents(AppState& state) {
    std::string out;
    WriteInputDataSection(out, state.riskInput);
    WriteModelDataSection(out, state.modelData, state.riskInput.ModelDataUsed);
    WriteRiskOutputSection(out, state);
    SaveRestoreMonteCarloTables(state, true);
    WriteMonteCarloSection(out, state);
    appendLine(out, EndOfFileMarker);
    return out;
}

void ReadRiskData(FreeFormatReader& in, AppState& state) {
    ReadInputDataSection(in, state.riskInput);
    // The results read below were calculated from the saved choice, not from the concentration
    // of the analysis open before.
    state.riskInput.Concentration = selectedConcentration(state.riskInput);
    ReadModelDataSection(in, state.modelData, state.riskInput.ModelDataUsed);
    ReadRiskOutputSection(in, state);
    const std::int32_t resultIterations = state.ResultCount;
    ReadMonteCarloSection(in, state);
    checkIterationCounts(state, resultIterations);
    SaveRestoreMonteCarloTables(state, false);
    expectRiskMarker(in, EndOfFileMarker);
}

bool WriteRiskDataFile(AppState& state, Prompter& prompter, const std::string& path,
                       const SinkOpener& openSink) {
    prompter.setBusy(true);
    try {
        replaceFileContents(path, toFileText(RiskDataFileContents(state)), openSink);
    } catch (const std::exception& failure) {
        reportOperationFailure(prompter, failure, path, "Save");
        prompter.setBusy(false);
        return false;
    }
    prompter.setBusy(false);
    return true;
}

bool ReadRiskDataFile(AppState& state, Prompter& prompter, const std::string& path) {
    prompter.setBusy(true);
    try {
        FreeFormatReader in = FreeFormatReader::fromFile(path);
        ReadRiskData(in, state);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        prompter.setBusy(false);
        return false;
    }
    state.riskInput.FileName = path;
    prompter.setBusy(false);
    return true;
}

} // namespace torval
