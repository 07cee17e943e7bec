#pragma once
// The order the statistics of a generated series are taken in. A comparison sort of the
// largest series (32,768 values) costs more than generating it, and a generation sorts one
// series per variant; a radix sort over the floats' bit patterns gives the same ascending
// order in linear time.

#include <vector>

namespace torval {

// Sorts ascending by value; -0 comes before +0 (they compare equal). No value may be NaN.
void sortAscending(std::vector<float>& values);

} // namespace torval
