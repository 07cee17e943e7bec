#include "ResultsFile.h"

#include "LineCursor.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace torval::charton {

namespace {

// More header lines than any pathway writes means the blank line before the intakes is missing.
constexpr std::size_t MaximumHeaderLines = 40;
// The lines a variant takes besides its values.
constexpr std::size_t LinesPerVariant = 17;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

void expectLine(LineCursor& cursor, std::string_view expected) {
    const std::string_view rest = cursor.after(expected);
    if (!trimmed(rest).empty()) {
        cursor.fail("expected \"" + std::string(expected) + "\" alone on the line");
    }
}

// A count: a whole number from 0 up to the limit.
std::size_t countAfter(LineCursor& cursor, std::string_view prefix, double limit) {
    const double value = cursor.numberAfter(prefix);
    if (value < 0 || value != std::floor(value) || value > limit) {
        cursor.fail("the count " + trimmed(std::to_string(value)) +
                    " is not a whole number from 0 to " +
                    std::to_string(static_cast<long long>(limit)));
    }
    return static_cast<std::size_t>(value);
}

// Each value takes at least one character and a line end, the last one perhaps no line end.
void checkRoomFor(const LineCursor& cursor, std::size_t values, std::size_t bytesPerValue) {
    if (values > 0 && (values * bytesPerValue) - 1 > cursor.bytesLeft()) {
        cursor.fail("the file announces " + std::to_string(values) +
                    " entries but is too short to hold them");
    }
}

std::vector<double> readValues(LineCursor& cursor, std::size_t count, std::string_view what) {
    checkRoomFor(cursor, count, 2);
    std::vector<double> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(cursor.number(what));
    }
    return values;
}

void expectOnlyBlankLines(LineCursor& cursor) {
    while (!cursor.atEnd()) {
        if (!trimmed(cursor.next("nothing")).empty()) {
            cursor.fail("unexpected text after the end of the results");
        }
    }
}

HeaderItem headerItem(std::string_view line) {
    const auto colon = line.find(": ");
    if (colon == std::string_view::npos) {
        return {trimmed(line), {}};
    }
    return {trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 2))};
}

void readIntake(LineCursor& cursor, ConcentrationsResults& results, std::size_t terms) {
    const std::string intake = trimmed(cursor.after("Chemical Intake: "));
    if (intake == "Monte Carlo Simulation") {
        results.monteCarlo = true;
        results.intakes = readValues(cursor, terms, "an intake");
        return;
    }
    constexpr std::string_view unit = " mg/(kg-day)";
    const std::string_view number =
        std::string_view(intake).ends_with(unit)
            ? std::string_view(intake).substr(0, intake.size() - unit.size())
            : std::string_view(intake);
    if (!readNumber(number, results.intake)) {
        cursor.fail("the intake \"" + intake + "\" is not a number");
    }
}

ConcentrationsResults readConcentrations(LineCursor& cursor) {
    ConcentrationsResults results;
    const std::size_t terms =
        countAfter(cursor, "Number of Terms: ", static_cast<double>(MaximumResultsFileBytes));
    expectLine(cursor, "Monte Carlo Simulation");
    expectLine(cursor, "Risk Assessment for Chemical Intakes");
    results.title = trimmed(cursor.next("the pathway's title"));
    for (std::string_view line = cursor.next("the header"); !trimmed(line).empty();
         line = cursor.next("the header")) {
        if (results.header.size() == MaximumHeaderLines) {
            cursor.fail("the header does not end in an empty line");
        }
        results.header.push_back(headerItem(line));
    }
    readIntake(cursor, results, terms);
    expectOnlyBlankLines(cursor);
    return results;
}

GeneratedVariant readVariant(LineCursor& cursor) {
    GeneratedVariant variant;
    variant.name = trimmed(cursor.after("Variant: "));
    expectLine(cursor, "Input Data:");
    VariantInputs& in = variant.inputs;
    in.mean = cursor.numberAfter("Mean: ");
    in.variance = cursor.numberAfter("Variance: ");
    in.minimum = cursor.numberAfter("Minimum: ");
    in.maximum = cursor.numberAfter("Maximum: ");
    in.distribution = trimmed(cursor.after("Distribution Type: "));
    const std::size_t terms = countAfter(cursor, "Number of Monte Carlo Iterations: ", 32767);
    in.terms = std::to_string(terms);
    expectLine(cursor, "Output Data:");
    VariantOutputs& out = variant.outputs;
    out.arithmeticMean = cursor.numberAfter("Arithmetic Mean: ");
    out.geometricMean = cursor.numberAfter("Geometric Mean: ");
    out.median = cursor.numberAfter("Median: ");
    out.minimum = cursor.numberAfter("Minimum: ");
    out.maximum = cursor.numberAfter("Maximum: ");
    out.standardDeviation = cursor.numberAfter("Standard Deviation: ");
    expectLine(cursor, "Simulation Output:");
    variant.values = readValues(cursor, terms, "a simulated value");
    return variant;
}

GeneratedResults readGenerated(LineCursor& cursor) {
    GeneratedResults results;
    const std::size_t count =
        countAfter(cursor, "Total variants: ", static_cast<double>(MaximumResultsFileBytes));
    results.iterations = trimmed(cursor.after("Number of Monte Carlo Iterations: "));
    checkRoomFor(cursor, count, 2 * LinesPerVariant);
    results.variants.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        results.variants.push_back(readVariant(cursor));
    }
    expectLine(cursor, "[End File]");
    expectOnlyBlankLines(cursor);
    return results;
}

} // namespace

ResultsFile parseResultsFile(std::string_view text) {
    LineCursor cursor(text);
    expectLine(cursor, "Monte Carlo");
    const std::string kind = trimmed(cursor.after("Type: "));
    if (kind == "Concentrations") {
        return readConcentrations(cursor);
    }
    if (kind == "Generated") {
        return readGenerated(cursor);
    }
    cursor.fail("the kind \"" + kind.substr(0, 60) +
                "\" is neither \"Concentrations\" nor \"Generated\"");
}

ResultsFile loadResultsFile(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        throw ResultsFileError(0, "cannot read the file: " + error.message());
    }
    if (size > MaximumResultsFileBytes) {
        throw ResultsFileError(0, "the file holds " + std::to_string(size) +
                                      " bytes; results files of up to " +
                                      std::to_string(MaximumResultsFileBytes) + " bytes are read");
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(size))) {
        throw ResultsFileError(0, "cannot read the file");
    }
    return parseResultsFile(text);
}

} // namespace torval::charton
