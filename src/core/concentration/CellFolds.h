#pragma once
// The running sum and maximum that every pass over a grid or a series of Monte Carlo values
// folds its cells into. Kept as visitor objects for ConcentrationGrid::forEachCell, whose
// running values then stay in registers through walks of millions of cells.

namespace torval {

// The start of every maximum, and so the maximum of no cells at all.
inline constexpr double GridMaxStart = -1E20;

// A later equal value does not replace an earlier one.
inline double laterMaximum(double runningMaximum, double cell) {
    return runningMaximum < cell ? cell : runningMaximum;
}

struct CellSum {
    double sum = 0.0;
    void operator()(double cell) { sum += cell; }
};

struct CellMaximum {
    double maximum = GridMaxStart;
    void operator()(double cell) { maximum = laterMaximum(maximum, cell); }
};

} // namespace torval
