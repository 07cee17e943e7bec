#pragma once
// Monte Carlo tables for the output tests: chemical 2 of two is current; its rows 1 ("Ri") and
// 3 ("Dt") are generated with Terms 100, row 2 ("Fe") is in use but was never generated.
// Chemical 1 holds nothing. Row r's value k is k - 50.5 + 1000 * (r - 1); value 101 (the one
// generated beyond Terms) is 777.

#include "AppState.h"

namespace torval::testing {

inline AppState monteCarloOutputs() {
    AppState state;
    state.MCCurrentChemical = 2;
    state.MCChemicalCount = 2;
    state.MCInputRowCount = 3;
    state.MCResultRowCount = 3;
    state.InputTGData.redim({0, 3}, {0, 2});
    state.ResultTGData.redim({0, 3}, {0, 2});
    state.SimulatedValues.redim({0, 3}, {0, 101}, {0, 2});
    const char* names[] = {"", "Ri", "Fe", "Dt"};
    for (int r = 1; r <= 3; ++r) {
        state.InputTGData.at(r, 2) = {names[r], "2.50", "1", "4", "0.25", "100 ", " Normal ", true};
        state.ResultTGData.at(r, 2) = {names[r], "2.5", "1.01", "3.99",   "2.4999",
                                       "2.3",    "0.5", r != 2, "Nothing"};
        for (int k = 1; k <= 100; ++k) {
            state.SimulatedValues.at(r, k, 2) = k - 50.5 + 1000 * (r - 1);
        }
        state.SimulatedValues.at(r, 101, 2) = 777;
    }
    return state;
}

} // namespace torval::testing
