#pragma once
// The Monte Carlo window's two outputs as the program offers them: the printed report of the
// variants through the print sink it is given, and the results file opened in the plotting
// utility or the text editor. The window catches and reports what they raise.

#include "montecarlo/MonteCarloForm.h"
#include "reports/MonteCarloReport.h"
#include "reports/ResultsViewing.h"

namespace torval {

class MonteCarloOutputService final : public MonteCarloOutputs {
public:
    MonteCarloOutputService(Prompter& prompter, Launcher& launcher, PrintSink& printer,
                            EventPump* events = nullptr)
        : prompter_(prompter), launcher_(launcher), printer_(printer), events_(events) {}

    void print(AppState& state) override { PrintMonteCarloReport(state, printer_); }
    void view(AppState& state, std::string_view choice) override {
        ViewMonteCarloOutput(state, prompter_, launcher_, choice, events_);
    }

private:
    Prompter& prompter_;
    Launcher& launcher_;
    PrintSink& printer_;
    EventPump* events_;
};

} // namespace torval
