#pragma once
// Which varied input drives the intake: Spearman's rank correlation of each input's values
// with the intakes over the iterations, and each input's share of the variance explained,
// taken as its squared rank correlation over the sum of all of them.

#include "intake/VariedInputs.h"

#include <span>
#include <string>
#include <vector>

namespace torval {

// Ranks from 1 in ascending order; equal values share the mean of the ranks they span
// (2, 2, 5 ranks as 1.5, 1.5, 3). The values must not be nan.
std::vector<double> averageRanks(std::span<const double> values);

// The Pearson correlation of the average ranks of x and y (equal, non-empty lengths). 0 when
// either has no spread (every value equal), where the correlation is undefined.
double rankCorrelation(std::span<const double> x, std::span<const double> y);

struct SensitivityEntry {
    std::string input;
    double rankCorrelation = 0;
    double contribution = 0; // r^2 / sum of r^2; 0 for every input when that sum is 0
};

// One entry per input, sorted by |rank correlation|, largest first (equal ones keep the
// inputs' order). Each input must hold one value per intake; an input with a value that is
// not a number (a failed evaluation) gets 0.
std::vector<SensitivityEntry> SensitivityAnalysis(const std::vector<VariedInput>& inputs,
                                                  std::span<const double> intakes);

} // namespace torval
