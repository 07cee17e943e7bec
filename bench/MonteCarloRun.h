#pragma once
// What the Monte Carlo benchmarks share: a prompter and an event pump that have nothing to do,
// the reference text an analysis entry holds for a variant, and the check that a calculation ran
// to its end.
#include "AppState.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"
#include "shell/EventPump.h"
#include "shell/Prompter.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

namespace montecarlobench {

inline constexpr std::int32_t Evaluations = 32767; // the most a run can hold

// A run that shows any message went wrong; the benchmark must not measure that.
class SilentPrompter : public torval::Prompter {
public:
    torval::MessageAnswer show(const torval::Message& message) override {
        throw std::logic_error("unexpected message: " + message.title + ": " + message.text);
    }
    void setBusy(bool) override {}
};

class IdlePump : public torval::EventPump {
public:
    void pump() override {}
};

inline std::string reference(const char* mean, int variant) {
    return std::string(500, ' ') + "Monte Carlo|" + mean + ":" + std::to_string(variant);
}

// Variants 1..3 with values of every magnitude a generator gives, full 17-digit doubles.
inline void generateValues(torval::AppState& state) {
    state.SavedSimulatedValues.redim({1, 3}, {0, Evaluations}, {1, 1});
    std::mt19937_64 generator(20240611);
    std::lognormal_distribution<double> values(0.0, 1.0);
    for (int variant = 1; variant <= 3; ++variant) {
        for (std::int32_t iteration = 1; iteration <= Evaluations; ++iteration) {
            state.SavedSimulatedValues.at(variant, iteration, 1) = values(generator);
        }
    }
    state.MonteCarloCount = Evaluations + 1;
}

// The analysis form over `state`, its entries referring to the three variants.
inline void prepareAnalysis(torval::AnalysisForm& form, torval::AppState& state) {
    generateValues(state);
    form.load();
    form.selectConcentration(2);
    state.MonteCarloCount = Evaluations + 1; // the option change reset it
    form.editEntry(12, reference("1.5", 1));
    form.editEntry(14, reference("2", 2));
    form.editEntry(15, "365");
    form.editEntry(16, reference("30", 3));
    form.editEntry(17, "70");
    form.editEntry(18, "70");
}

// The form alone, prepared as above, with a silent prompter and a pump that has nothing to do.
struct PreparedForm {
    torval::AppState state;
    SilentPrompter prompter;
    IdlePump pump;
    torval::AnalysisForm form{state, prompter, servicesWith(pump)};

    PreparedForm() { prepareAnalysis(form, state); }

private:
    static torval::AnalysisServices servicesWith(IdlePump& events) {
        torval::AnalysisServices services;
        services.events = &events;
        return services;
    }
};

inline void expectFullCalculation(benchmark::State& run, const torval::AppState& state) {
    if (state.ResultCount != Evaluations + 1 || state.ResultsOutdated) {
        run.SkipWithError("the calculation did not run to its end");
    }
    run.SetItemsProcessed(run.iterations() * Evaluations);
}

} // namespace montecarlobench
