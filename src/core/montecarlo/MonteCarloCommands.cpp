// The window's commands: Generate (menu and F7), Exit, and the outputs of the File and Options
// menus. Each reports its own run-time failures.

#include "montecarlo/MonteCarloForm.h"
#include "montecarlo/VariantTable.h"
#include "shell/NumberText.h"

namespace torval {

void MonteCarloForm::GenerateCommand() {
    const std::string shown = helpCaption_;
    helpCaption_ = PleaseWait;
    generate();
    // Values generated for a Monte Carlo calculation outdate its results.
    if (calculationKind_ == "monte carlo") {
        state_.AnalysisState = Analysis::Changed;
    }
    helpCaption_ = shown;
}

// The result grid goes into the table first: generation rewrites the statistics but not the
// markers, so the user's selections survive it.
void MonteCarloForm::generate() {
    try {
        sendresultTDBDataToResultTGData();
        sendInputTDBDataToInputTGData();
        showVariantTable();
        GenerateSimulation(state_, prompter_, parameters_, generators_);
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
    try {
        sendresultTGDataToResultTDBData();
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

// The terms are compared in the table, so the grid goes there first; a table without terms
// reads as 0 terms, which a fresh table (MonteCarloCount 1) matches.
bool MonteCarloForm::termsChangedSinceGeneration() const {
    return leadingNumber(FirstTerms(state_)) + 1 != static_cast<double>(state_.MonteCarloCount);
}

// No row gives a number of terms (no variant, or a window left untouched after a regular
// calculation, whose result count stands in the saved Monte Carlo count): nothing to
// generate, and generating would only fail on the missing number.
bool MonteCarloForm::hasTermsToGenerate() const {
    return !FirstTerms(state_).empty();
}

// Exit regenerates when the terms changed. The new values rewrite the entries of the analysis
// that refer to them, whatever kind of calculation it holds, so the analysis counts as changed
// and Save and Print ask for a calculation first.
void MonteCarloForm::ExitCommand() {
    try {
        sendInputTDBDataToInputTGData();
        sendresultTDBDataToResultTGData();
        if (hasTermsToGenerate() && termsChangedSinceGeneration()) {
            GenerateCommand();
            state_.AnalysisState = Analysis::Changed;
        }
        sendresultTDBDataToResultTGData();
        closed_ = true;
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

// The outputs show the values of the terms the grid shows: after the terms were edited, the
// values are generated again first, and a generation that is refused (its message says why)
// shows nothing stale.
bool MonteCarloForm::outputsUpToDate() {
    sendInputTDBDataToInputTGData();
    sendresultTDBDataToResultTGData();
    if (!hasTermsToGenerate() || !termsChangedSinceGeneration()) {
        return true;
    }
    GenerateCommand();
    return !termsChangedSinceGeneration();
}

// The outputs read the tables, so they get what the grids show.
void MonteCarloForm::PrintCommand() {
    if (outputs_ == nullptr) {
        return;
    }
    try {
        if (outputsUpToDate()) {
            outputs_->print(state_);
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

void MonteCarloForm::ViewCommand(std::string_view choice) {
    if (outputs_ == nullptr) {
        return;
    }
    try {
        if (outputsUpToDate()) {
            outputs_->view(state_, choice);
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

} // namespace torval

namespace torval {

std::vector<std::string_view> MonteCarloForm::samplingChoices() const {
    std::vector<std::string_view> choices{RandomSampling};
    if (generators_.latinHypercube != nullptr) {
        choices.push_back(LatinHypercubeSampling);
    }
    return choices;
}

int MonteCarloForm::samplingIndex() const {
    return state_.Sampling == MonteCarloSampling::LatinHypercube &&
                   generators_.latinHypercube != nullptr
               ? 1
               : 0;
}

void MonteCarloForm::chooseSampling(int index) {
    if (index == 0) {
        state_.Sampling = MonteCarloSampling::Random;
    } else if (index == 1 && generators_.latinHypercube != nullptr) {
        state_.Sampling = MonteCarloSampling::LatinHypercube;
    }
}

} // namespace torval
