// The window's commands: Generate (menu and F7), Exit, and the outputs of the File and Options
// menus. Each reports its own run-time failures.

#include "montecarlo/MonteCarloForm.h"
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
        GenerateSimulation(state_, prompter_, parameters_, generator_);
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
void MonteCarloForm::ExitCommand() {
    try {
        sendInputTDBDataToInputTGData();
        sendresultTDBDataToResultTGData();
        if (leadingNumber(FirstTerms(state_)) + 1 != static_cast<double>(state_.MonteCarloCount)) {
            GenerateCommand();
        }
        sendresultTDBDataToResultTGData();
        closed_ = true;
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

// The outputs read the tables, so they get what the grids show.
void MonteCarloForm::PrintCommand() {
    if (outputs_ == nullptr) {
        return;
    }
    try {
        sendInputTDBDataToInputTGData();
        sendresultTDBDataToResultTGData();
        outputs_->print(state_);
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

void MonteCarloForm::ViewCommand(std::string_view choice) {
    if (outputs_ == nullptr) {
        return;
    }
    try {
        sendInputTDBDataToInputTGData();
        sendresultTDBDataToResultTGData();
        outputs_->view(state_, choice);
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

} // namespace torval
