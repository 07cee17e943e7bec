#pragma once
// The analysis window's way into the Monte Carlo window: builds the form on the analysis's
// parameters, lets the presenter run it (the Qt window shows it modally; tests script the
// user's edits), and afterwards writes the user's choices into the analysis entries.

#include "intake/AnalysisServices.h"
#include "montecarlo/GenerateSimulation.h"
#include "montecarlo/MonteCarloForm.h"
#include "shell/Prompter.h"

namespace torval {

class MonteCarloPresenter {
public:
    virtual ~MonteCarloPresenter() = default;
    // Runs the window until the user closes it.
    virtual void present(MonteCarloForm& form) = 0;
};

class MonteCarloExchange : public MonteCarloWindow {
public:
    // The presenter and the outputs may be null: without a presenter the window opens (the
    // tables are restored and sized) and closes at once.
    // The window offers the Latin hypercube choice only when `generators` holds that entry.
    MonteCarloExchange(Prompter& prompter, SamplingGenerators generators,
                       MonteCarloPresenter* presenter, MonteCarloOutputs* outputs = nullptr)
        : prompter_(prompter), generators_(generators), presenter_(presenter), outputs_(outputs) {}

    void show(AppState& state, const std::vector<AnalysisEntry>& parameters,
              std::string_view calculationKind) override;
    void applySelection(AppState& state, std::vector<AnalysisEntry>& entries) override;

private:
    Prompter& prompter_;
    SamplingGenerators generators_;
    MonteCarloPresenter* presenter_;
    MonteCarloOutputs* outputs_;
};

} // namespace torval
