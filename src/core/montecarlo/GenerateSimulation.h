#pragma once
// Generation: every in-use variant row of the current chemical becomes a series of random
// values through the generator library, kept in SimulatedValues for the calculation and
// summarised in the statistics table.
//
// The library is passed in as a function, so that the core never links it: the programs pass
// `monteCarlo` of libstogen, tests may pass a generator of their own.

#include "AppState.h"
#include "montecarlo/VariantTable.h"
#include "shell/Prompter.h"

#include <cstdint>
#include <stogen/GeneratorRequest.h>

namespace torval {

using MonteCarloGenerator = std::int16_t(STOGEN_CALL*)(GeneratorRequest*, float*);

// The library's two entry points: `monteCarlo` and `latinHypercube`. A single generator
// converts to the random entry alone, for callers that offer no Latin hypercube sampling.
struct SamplingGenerators {
    MonteCarloGenerator random = nullptr;
    MonteCarloGenerator latinHypercube = nullptr;

    SamplingGenerators() = default;
    // Not explicit: a lone generator passed where both are taken is the random entry.
    SamplingGenerators(MonteCarloGenerator randomEntry, MonteCarloGenerator latinEntry = nullptr)
        : random(randomEntry), latinHypercube(latinEntry) {}

    // The entry for `sampling`; raises 5 (illegal function call) when it was not supplied.
    MonteCarloGenerator forSampling(MonteCarloSampling sampling) const;
};

// Validates the variants (their messages go to the prompter) and generates. Returns true when
// the generation ran to its end; a validation failure returns false with nothing changed, and
// a run-time failure is raised to the caller, which reports it.
bool GenerateSimulation(AppState& state, Prompter& prompter, const ParameterList& parameters,
                        MonteCarloGenerator generator);

// The same, drawing through the entry that state.Sampling chooses.
bool GenerateSimulation(AppState& state, Prompter& prompter, const ParameterList& parameters,
                        const SamplingGenerators& generators);

} // namespace torval
