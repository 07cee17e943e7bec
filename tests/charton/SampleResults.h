#pragma once
// Small results files in both kinds, as the program writes them (CR LF line ends).

#include <string>
#include <vector>

namespace torval::charton::testing {

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Header lines 1..15 of an analysis with `terms` iterations.
inline std::vector<std::string> concentrationsHeader(const std::string& terms) {
    return {"Monte Carlo",
            "Type: Concentrations",
            "Number of Terms: " + terms,
            "Monte Carlo Simulation",
            "Risk Assessment for Chemical Intakes",
            "Intake of Chemicals via Drinking Water (mg/(kg-day))",
            "Concentration of Chemical: 0.05 mg/l",
            "Ingestion Rate (Ri): 2 l/day",
            "Body Weight (Wb): 70 kg",
            "Length Unit: ",
            "Time Unit: ",
            "PLUMEX Data File Name: Not Specified",
            "Risk Data File Name: C:\\RISK\\WELL.TVL",
            ""};
}

inline std::vector<std::string> variantLines(const std::string& name,
                                             const std::string& distribution,
                                             const std::vector<std::string>& values) {
    std::vector<std::string> lines = {"Variant: " + name,
                                      "Input Data:",
                                      "Mean: 2",
                                      "Variance: 1",
                                      "Minimum: 0.5",
                                      "Maximum: 6",
                                      "Distribution Type: " + distribution,
                                      "Number of Monte Carlo Iterations: " +
                                          std::to_string(values.size()),
                                      "Output Data:",
                                      "Arithmetic Mean: 2.1",
                                      "Geometric Mean: 1.9",
                                      "Median: 2",
                                      "Minimum: 0.61",
                                      "Maximum: 5.5",
                                      "Standard Deviation: 0.95",
                                      "Simulation Output:"};
    lines.insert(lines.end(), values.begin(), values.end());
    return lines;
}

// Two variants: "Ri" (lognormal, 4 values) and "Wb" (uniform, 3 values).
inline std::string twoVariantFile() {
    std::vector<std::string> lines = {"Monte Carlo", "Type: Generated", "Total variants:  2",
                                      "Number of Monte Carlo Iterations: 4"};
    for (const auto& variant : {variantLines("Ri", "Lognormal", {" 1.5", " 2.25", " 0.75", " 5.5"}),
                                variantLines("Wb", "Uniform", {" 1", " 3", " 5"})}) {
        lines.insert(lines.end(), variant.begin(), variant.end());
    }
    lines.push_back("[End File]");
    return crlf(lines);
}

} // namespace torval::charton::testing
