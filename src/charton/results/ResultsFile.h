#pragma once
// The results file torval.plt as the viewer reads it, in both of its kinds: the intakes of an
// analysis ("Type: Concentrations") and the variants of a Monte Carlo generation ("Type:
// Generated"). Lines end in CR LF or LF and hold Windows-1252 bytes, kept as read.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace torval::charton {

// A file the reader refuses; line() is the 1-based line at fault (0 for the file as a whole).
class ResultsFileError : public std::runtime_error {
public:
    ResultsFileError(std::size_t line, const std::string& message);
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// A header line split at its first ": " (label without it); a line without one is all label.
struct HeaderItem {
    std::string label;
    std::string value;
};

struct ConcentrationsResults {
    std::string title;              // the pathway's title line
    std::vector<HeaderItem> header; // concentration, parameters, units and file names, in order
    bool monteCarlo = false;
    double intake = 0;           // the single intake of a regular calculation
    std::vector<double> intakes; // one per iteration of a Monte Carlo calculation
};

struct VariantInputs {
    std::string distribution;
    double mean = 0;
    double variance = 0;
    double minimum = 0;
    double maximum = 0;
    std::string terms;
};

struct VariantOutputs {
    double arithmeticMean = 0;
    double geometricMean = 0;
    double median = 0;
    double minimum = 0;
    double maximum = 0;
    double standardDeviation = 0;
};

struct GeneratedVariant {
    std::string name;
    VariantInputs inputs;
    VariantOutputs outputs;
    std::vector<double> values;
};

struct GeneratedResults {
    std::string iterations; // the iterations text of the first variant, as written
    std::vector<GeneratedVariant> variants;
};

using ResultsFile = std::variant<ConcentrationsResults, GeneratedResults>;

// The largest file the viewer reads; anything larger is refused before it is read.
inline constexpr std::size_t MaximumResultsFileBytes = 64u * 1024u * 1024u;

// Reads the file's text; raises ResultsFileError naming the line for anything it cannot read.
ResultsFile parseResultsFile(std::string_view text);

// Reads the file at the path, refusing one larger than MaximumResultsFileBytes unread.
ResultsFile loadResultsFile(const std::string& path);

} // namespace torval::charton
