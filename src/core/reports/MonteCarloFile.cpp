#include "reports/MonteCarloFile.h"

#include "shell/NumberText.h"
#include "shell/TextEncoding.h"

namespace torval {

namespace {

std::string standardNumberText(double value) {
    return (value >= 0 ? " " : "") + generalText(value);
}

void line(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

void variantLines(std::string& out, const AppState& state, int row) {
    const int chemical = state.MCCurrentChemical;
    const MonteCarloVariant& variant = state.InputTGData.at(row, chemical);
    const MonteCarloResult& statistics = state.ResultTGData.at(row, chemical);
    line(out, "Variant: " + variant.Name);
    line(out, "Input Data:");
    line(out, "Mean: " + FormatNumber(variant.Mean));
    line(out, "Variance: " + FormatNumber(variant.Variance));
    line(out, "Minimum: " + FormatNumber(variant.Minimum));
    line(out, "Maximum: " + FormatNumber(variant.Maximum));
    line(out, "Distribution Type: " + FormatNumber(variant.Distribution));
    line(out, "Number of Monte Carlo Iterations: " + FormatNumber(variant.Terms));
    line(out, "Output Data:");
    line(out, "Arithmetic Mean: " + FormatNumber(statistics.ArithmeticMean));
    line(out, "Geometric Mean: " + FormatNumber(statistics.GeometricMean));
    line(out, "Median: " + FormatNumber(statistics.Median));
    line(out, "Minimum: " + FormatNumber(statistics.Minimum));
    line(out, "Maximum: " + FormatNumber(statistics.Maximum));
    line(out, "Standard Deviation: " + FormatNumber(statistics.StandardDeviation));
    line(out, "Simulation Output:");
    const std::int16_t terms = toInt16(std::string_view(variant.Terms));
    for (int k = 1; k <= terms; ++k) {
        line(out, standardNumberText(state.SimulatedValues.at(row, k, chemical)));
    }
}

} // namespace

std::string WriteMonteCarloFile(const AppState& state, const std::vector<int>& countedRows) {
    std::string out;
    line(out, "Monte Carlo");
    line(out, "Type: Generated");
    line(out,
         "Total variants: " + standardNumberText(toInt16(static_cast<double>(countedRows.size()))));
    line(out, "Number of Monte Carlo Iterations: " +
                  state.InputTGData.at(1, state.MCCurrentChemical).Terms);
    for (const int row : countedRows) {
        variantLines(out, state, row);
    }
    line(out, "[End File]");
    return toFileText(out);
}

} // namespace torval
