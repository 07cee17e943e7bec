#pragma once
// Monte Carlo tables for tests, and a generator that stands in for the library: it records
// every request and delivers Mean, Mean + 1, Mean + 2, ... so that each value is known; a test
// can look at its window while a request is being served.

#include "AppState.h"
#include "montecarlo/VariantTable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stogen/GeneratorRequest.h>
#include <vector>

namespace torval::testing {

inline MonteCarloVariant bodyWeightVariant() {
    return {"Body Weight", "70", "40", "100", "100", "100", "Normal", true};
}

// `rows` variant rows for `chemicals` chemicals, the current one first, all out of use.
inline AppState monteCarloState(std::int16_t rows, std::int16_t chemicals = 1) {
    AppState state;
    state.MCChemicalCount = chemicals;
    InitialiseMonteCarloTables(state, rows);
    return state;
}

struct FakeGenerator {
    static inline std::vector<GeneratorRequest> requests;
    static inline std::optional<std::int32_t> delivered; // Count to report instead of all
    static inline std::function<void()> during;

    static void reset() {
        requests.clear();
        delivered.reset();
        during = nullptr;
    }

    static std::int16_t STOGEN_CALL generate(GeneratorRequest* request, float* values) {
        requests.push_back(*request);
        if (during) {
            during();
        }
        for (std::int32_t k = 0; k < request->Count; ++k) {
            values[k] = request->Mean + static_cast<float>(k);
        }
        if (delivered) {
            request->Count = *delivered;
        }
        return 0;
    }
};

} // namespace torval::testing
