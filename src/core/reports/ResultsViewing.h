#pragma once
// The view commands of the analysis window and of the Monte Carlo window: write the results
// file afresh into the temporary directory and open it, "Chartix" in the plotting utility and
// any other choice in the text editor. A failure is reported with the results file's name and
// ends the command.

#include "AppState.h"
#include "intake/AnalysisServices.h"
#include "shell/EventPump.h"
#include "shell/Launcher.h"
#include "shell/Prompter.h"

#include <string_view>

namespace torval {

// The analysis window's command: the intake analysis (WritePlotFile).
void ViewResults(AppState& state, std::string_view viewerChoice, Prompter& prompter,
                 Launcher& launcher, EventPump* events = nullptr);

// The Monte Carlo window's command: its counted variants (WriteMonteCarloFile). With none it
// says "No output data to be viewed." and writes nothing.
void ViewMonteCarloOutput(AppState& state, Prompter& prompter, Launcher& launcher,
                          std::string_view viewerChoice, EventPump* events = nullptr);

// The analysis window's viewer service.
class AnalysisResultsViewer final : public ResultsViewer {
public:
    AnalysisResultsViewer(Prompter& prompter, Launcher& launcher, EventPump* events = nullptr)
        : prompter_(prompter), launcher_(launcher), events_(events) {}

    void viewResults(AppState& state, std::string_view viewerChoice) override {
        ViewResults(state, viewerChoice, prompter_, launcher_, events_);
    }

private:
    Prompter& prompter_;
    Launcher& launcher_;
    EventPump* events_;
};

} // namespace torval
