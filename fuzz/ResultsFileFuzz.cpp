// Feeds arbitrary bytes to the viewer's results-file reader. A file may only be refused with a
// ResultsFileError naming a line the file has, 0 (the whole file) or the line after the last
// (a file cut short), and a file that is read must give what
// the viewer then draws: a summary over every value with its figures in order, a histogram that
// holds every value, the values' CSV and the statistics text.
#include "ReaderFuzzing.h"
#include "ResultsCsv.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "StatisticsText.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

using namespace torval::charton;
using torval::fuzzing::require;

std::size_t linesOf(std::string_view text) {
    const auto ends = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// Near the largest double, differences of values overflow; the figures are checked below it.
bool moderate(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::fabs(v) < 1e300; });
}

void checkSeries(std::span<const double> values) {
    const Summary summary = summarise(values);
    require(summary.n == values.size());
    if (values.empty() || !moderate(values)) {
        return;
    }
    require(summary.minimum <= summary.p5 && summary.p5 <= summary.median);
    require(summary.median <= summary.p95 && summary.p95 <= summary.maximum);
    const Histogram bins = histogram(values, freedmanDiaconisBins(values), false);
    require(std::accumulate(bins.counts.begin(), bins.counts.end(), std::size_t{0}) ==
            values.size());
    require(fractionAbove(values, summary.maximum) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ResultsFile file;
    try {
        file = parseResultsFile(text);
    } catch (const ResultsFileError& error) {
        require(error.line() <= linesOf(text) + 1); // the line after the last: cut short
        return 0;
    }
    if (const auto* intakes = std::get_if<ConcentrationsResults>(&file)) {
        checkSeries(intakes->intakes);
    } else {
        for (const GeneratedVariant& variant : std::get<GeneratedResults>(file).variants) {
            checkSeries(variant.values);
        }
    }
    require(!resultsCsv(file).empty());
    (void)statisticsText(file, 1.0);
    return 0;
}
