#include "ResultsCsv.h"

#include <algorithm>
#include <charconv>

namespace torval::charton {

namespace {

// A field quoted when it holds a comma, a quote or a line end, its quotes doubled.
std::string field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string columns(const std::vector<std::string>& names,
                    const std::vector<const std::vector<double>*>& series) {
    std::string out = "Iteration";
    for (const std::string& name : names) {
        out += "," + field(name);
    }
    out += "\n";
    std::size_t rows = 0;
    for (const auto* values : series) {
        rows = std::max(rows, values->size());
    }
    for (std::size_t row = 0; row < rows; ++row) {
        out += std::to_string(row + 1);
        for (const auto* values : series) {
            out += ",";
            if (row < values->size()) {
                out += shortestNumber((*values)[row]);
            }
        }
        out += "\n";
    }
    return out;
}

} // namespace

std::string shortestNumber(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string resultsCsv(const ResultsFile& file) {
    if (const auto* intakes = std::get_if<ConcentrationsResults>(&file)) {
        const std::vector<double> single{intakes->intake};
        return columns({"Intake (mg/(kg-day))"},
                       {intakes->monteCarlo ? &intakes->intakes : &single});
    }
    const auto& generated = std::get<GeneratedResults>(file);
    std::vector<std::string> names;
    std::vector<const std::vector<double>*> series;
    for (const GeneratedVariant& variant : generated.variants) {
        names.push_back(variant.name);
        series.push_back(&variant.values);
    }
    return columns(names, series);
}

} // namespace torval::charton
