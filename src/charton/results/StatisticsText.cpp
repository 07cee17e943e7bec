#include "StatisticsText.h"

#include "ResultsCsv.h"
#include "Statistics.h"

#include <span>

namespace torval::charton {

namespace {

std::string line(const std::string& label, double value) {
    return label + ": " + shortestNumber(value) + "\n";
}

std::string seriesText(std::span<const double> values, std::optional<double> threshold) {
    const Summary s = summarise(values);
    std::string text = "n: " + std::to_string(s.n) + "\n";
    text += line("Minimum", s.minimum) + line("5th Percentile", s.p5) + line("Median", s.median) +
            line("Arithmetic Mean", s.mean) + line("Geometric Mean", s.geometricMean) +
            line("95th Percentile", s.p95) + line("Maximum", s.maximum) +
            line("Standard Deviation", s.standardDeviation);
    if (threshold) {
        text += line("Threshold", *threshold) +
                line("Fraction Above", fractionAbove(values, *threshold));
    }
    return text;
}

} // namespace

std::string statisticsText(const ResultsFile& file, std::optional<double> threshold) {
    if (const auto* intakes = std::get_if<ConcentrationsResults>(&file)) {
        return intakes->monteCarlo ? seriesText(intakes->intakes, threshold)
                                   : line("Chemical Intake", intakes->intake);
    }
    std::string text;
    for (const GeneratedVariant& variant : std::get<GeneratedResults>(file).variants) {
        text += "Variant: " + variant.name + "\n" + seriesText(variant.values, threshold);
    }
    return text;
}

} // namespace torval::charton
