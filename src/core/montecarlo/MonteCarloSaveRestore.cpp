#include "montecarlo/MonteCarloSaveRestore.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace torval {

namespace {

struct Range {
    std::int64_t lower;
    std::int64_t upper;
};

Range upTo(std::int64_t count) {
    return {0, std::max<std::int64_t>(count, 0)};
}

// The index range of dimension d that both the copy's new bounds and the source hold; empty
// (first > last) when the source is not allocated.
template <typename T, std::size_t Rank>
Range sharedRange(const BoundedArray<T, Rank>& from, std::size_t d, Range to) {
    if (!from.isAllocated()) {
        return {1, 0};
    }
    return {std::max(from.lower(d), to.lower), std::min(from.upper(d), to.upper)};
}

// The copy gets bounds 0..rows by 0..chemicals, whatever the source's bounds: what the source
// holds within them is copied, the rest starts empty.
template <typename T>
void copyTable(BoundedArray<T, 2>& to, const BoundedArray<T, 2>& from, std::int64_t rows,
               std::int64_t chemicals) {
    const Range rowRange = upTo(rows);
    const Range chemicalRange = upTo(chemicals);
    BoundedArray<T, 2> copy;
    copy.redim({rowRange.lower, rowRange.upper}, {chemicalRange.lower, chemicalRange.upper});
    const Range r = sharedRange(from, 1, rowRange);
    const Range c = sharedRange(from, 2, chemicalRange);
    for (std::int64_t i = r.lower; i <= r.upper; ++i) {
        for (std::int64_t j = c.lower; j <= c.upper; ++j) {
            copy.at(i, j) = from.at(i, j);
        }
    }
    to = std::move(copy);
}

// As copyTable, with bounds 0..rows by 0..terms by 0..chemicals. Without a result row there
// is no value to hold, and the terms dimension stays 0..0: a count read from a file could
// otherwise ask for gigabytes of nothing.
// A source of exactly the copy's bounds is copied whole: the values of a generation are saved
// so after every generation, and element by element that copy was a sixth of a Monte Carlo run.
bool hasBounds(const BoundedArray<double, 3>& table, const std::array<Range, 3>& bounds) {
    if (!table.isAllocated()) {
        return false;
    }
    for (std::size_t d = 1; d <= 3; ++d) {
        if (table.lower(d) != bounds[d - 1].lower || table.upper(d) != bounds[d - 1].upper) {
            return false;
        }
    }
    return true;
}

void copyValues(BoundedArray<double, 3>& to, const BoundedArray<double, 3>& from, std::int64_t rows,
                std::int64_t terms, std::int64_t chemicals) {
    const std::array<Range, 3> bounds{upTo(rows), upTo(rows > 0 ? terms : 0), upTo(chemicals)};
    if (hasBounds(from, bounds)) {
        to = from;
        return;
    }
    BoundedArray<double, 3> copy;
    copy.redim({bounds[0].lower, bounds[0].upper}, {bounds[1].lower, bounds[1].upper},
               {bounds[2].lower, bounds[2].upper});
    const Range r = sharedRange(from, 1, bounds[0]);
    const Range k = sharedRange(from, 2, bounds[1]);
    const Range c = sharedRange(from, 3, bounds[2]);
    for (std::int64_t i = r.lower; i <= r.upper; ++i) {
        for (std::int64_t j = k.lower; j <= k.upper; ++j) {
            for (std::int64_t l = c.lower; l <= c.upper; ++l) {
                copy.at(i, j, l) = from.at(i, j, l);
            }
        }
    }
    to = std::move(copy);
}

} // namespace

// The copies are re-dimensioned to the counts (every chemical up to MCChemicalCount), so the
// tables and the counts that say how much of them is in use never disagree: whatever reads
// the tables by their counts (the calculation, the risk data file) finds every element there.
void SaveRestoreMonteCarloTables(AppState& state, bool restore) {
    if (!restore) {
        state.SavedMCInputRowCount = state.MCInputRowCount;
        state.SavedMCResultRowCount = state.MCResultRowCount;
        state.ResultCount = state.MonteCarloCount;
        copyTable(state.SavedInputTGData, state.InputTGData, state.MCInputRowCount,
                  state.MCChemicalCount);
        copyTable(state.SavedResultTGData, state.ResultTGData, state.MCResultRowCount,
                  state.MCChemicalCount);
        copyValues(state.SavedSimulatedValues, state.SimulatedValues, state.MCResultRowCount,
                   state.MonteCarloCount, state.MCChemicalCount);
        return;
    }
    state.MCInputRowCount = state.SavedMCInputRowCount;
    state.MCResultRowCount = state.SavedMCResultRowCount;
    state.MonteCarloCount = state.ResultCount;
    copyTable(state.InputTGData, state.SavedInputTGData, state.MCInputRowCount,
              state.MCChemicalCount);
    copyTable(state.ResultTGData, state.SavedResultTGData, state.MCResultRowCount,
              state.MCChemicalCount);
    copyValues(state.SimulatedValues, state.SavedSimulatedValues, state.MCResultRowCount,
               state.MonteCarloCount, state.MCChemicalCount);
    // The calculation counts iterations from 1 to MonteCarloCount - 1; 1 means none.
    if (state.MonteCarloCount == 0) {
        state.MonteCarloCount = 1;
    }
}

void SaveMonteCarloTables(AppState& state, std::string_view callerTag) {
    if (callerTag == AnalysisCallerTag) {
        SaveRestoreMonteCarloTables(state, false);
    }
}

void RestoreMonteCarloTables(AppState& state, std::string_view callerTag) {
    if (callerTag == AnalysisCallerTag) {
        SaveRestoreMonteCarloTables(state, true);
    }
}

} // namespace torval
