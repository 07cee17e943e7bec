#pragma once
// The records of the Monte Carlo tables. The variant table holds what the user asked to vary
// and how; the statistics table what each generation gave and which statistic the analysis
// uses. Both are addressed (row, chemical) from 1 and live in the AppState, together with the
// generated values, the row counts and the saved copies the analysis window reads.
//
// Every field but the flags is text, as typed or as FormatNumber wrote it: the tables are
// shown, saved and read back as text, and become numbers only where they are used.

#include <string>

namespace torval {

// How a generation draws each variant's values: independent random draws, or one draw from
// each of n equal-probability strata (Latin hypercube), in a random order.
enum class MonteCarloSampling { Random, LatinHypercube };

// One row of the variant table.
struct MonteCarloVariant {
    std::string Name; // parameter name; "" for a row not in use
    std::string Mean;
    std::string Minimum;
    std::string Maximum;
    std::string Variance;
    std::string Terms; // number of values to generate
    std::string Distribution;
    bool InUse = false; // true exactly when Name is not empty

    bool operator==(const MonteCarloVariant&) const = default;
};

// One row of the statistics table; row r belongs to variant row r.
struct MonteCarloResult {
    std::string Variant; // the variant's parameter name
    std::string Median;
    std::string Minimum;
    std::string Maximum;
    std::string ArithmeticMean;
    std::string GeometricMean;
    std::string StandardDeviation;
    bool Selected = false; // the row holds statistics of a variant
    std::string Marker;    // the statistic the analysis uses, "Nothing" for none

    bool operator==(const MonteCarloResult&) const = default;
};

} // namespace torval
