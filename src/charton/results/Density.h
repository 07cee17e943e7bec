#pragma once
// The density a variant's values were drawn from: its distribution, truncated to [Minimum,
// Maximum] as the generator library truncates it, so that a histogram can be laid over it.

#include "ResultsFile.h"

#include <optional>

namespace torval::charton {

class TruncatedDensity {
public:
    // Nothing when the variant names no known distribution, has no width (Minimum >= Maximum)
    // or its parameters leave no probability between the bounds.
    static std::optional<TruncatedDensity> of(const VariantInputs& inputs);

    // The density at x: 0 outside [minimum, maximum]; it integrates to 1 over the bounds.
    double operator()(double x) const;
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

private:
    TruncatedDensity(int code, VariantInputs inputs, double mass);
    int code_;
    VariantInputs inputs_;
    double minimum_;
    double maximum_;
    double mass_;
};

} // namespace torval::charton
