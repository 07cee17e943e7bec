#include "ResultsFile.h"

#include "ResultsCsv.h"
#include "SampleResults.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace torval::charton {
namespace {

using testing::concentrationsHeader;
using testing::crlf;

std::vector<std::string> with(std::vector<std::string> lines,
                              const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

TEST(ResultsFileTest, ReadsEveryVariantOfAGeneration) {
    const ResultsFile file = parseResultsFile(testing::twoVariantFile());
    const auto& results = std::get<GeneratedResults>(file);
    EXPECT_EQ(results.iterations, "4");
    ASSERT_EQ(results.variants.size(), 2u);
    const GeneratedVariant& ri = results.variants[0];
    EXPECT_EQ(ri.name, "Ri");
    EXPECT_EQ(ri.inputs.distribution, "Lognormal");
    EXPECT_EQ(ri.inputs.mean, 2);
    EXPECT_EQ(ri.inputs.variance, 1);
    EXPECT_EQ(ri.inputs.minimum, 0.5);
    EXPECT_EQ(ri.inputs.maximum, 6);
    EXPECT_EQ(ri.outputs.geometricMean, 1.9);
    EXPECT_EQ(ri.outputs.standardDeviation, 0.95);
    EXPECT_EQ(ri.values, (std::vector<double>{1.5, 2.25, 0.75, 5.5}));
    EXPECT_EQ(results.variants[1].values, (std::vector<double>{1, 3, 5}));
    // The values leave as CSV with a column per variant; the shorter one ends early.
    EXPECT_EQ(resultsCsv(file), "Iteration,Ri,Wb\n1,1.5,1\n2,2.25,3\n3,0.75,5\n4,5.5,\n");
}

struct BrokenCase {
    const char* what;
    std::string text;
    std::size_t line;
    const char* message;
};

std::string generatedWith(const std::string& terms, const std::string& last) {
    std::vector<std::string> lines = {"Monte Carlo", "Type: Generated", "Total variants:  1",
                                      "Number of Monte Carlo Iterations: 2"};
    auto variant = testing::variantLines("Ri", "Normal", {" 1", " 2"});
    variant[7] = "Number of Monte Carlo Iterations: " + terms;
    lines.insert(lines.end(), variant.begin(), variant.end());
    lines.push_back(last);
    return crlf(lines);
}

TEST(ResultsFileTest, RefusesBrokenFilesNamingTheLine) {
    const std::vector<std::string> header = concentrationsHeader("3");
    std::vector<std::string> longHeader(header.begin(), header.end() - 1);
    longHeader.insert(longHeader.end(), 40, "Body Weight (Wb): 70 kg");
    const BrokenCase cases[] = {
        {"empty", "", 1, "ends"},
        {"binary",
         std::string("\x7f"
                     "ELF\0\x01\x02",
                     7),
         1, "expected \"Monte Carlo\" but found \"?ELF???\""},
        {"unknown kind", crlf({"Monte Carlo", "Type: Risks"}), 2, "neither"},
        {"count not a number",
         crlf({"Monte Carlo", "Type: Concentrations", "Number of Terms: many"}), 3, "a number"},
        {"negative count", crlf({"Monte Carlo", "Type: Concentrations", "Number of Terms: -2"}), 3,
         "whole number"},
        {"truncated intakes",
         crlf(with(header, {"Chemical Intake: Monte Carlo Simulation", "1", "2"})), 18, "ends"},
        {"count beyond the file",
         crlf(with(concentrationsHeader("9000000"),
                   {"Chemical Intake: Monte Carlo Simulation", "1"})),
         15, "too short"},
        {"intake not a number",
         crlf(with(header, {"Chemical Intake: Monte Carlo Simulation", "1", "1.2.3", "3"})), 17,
         "an intake"},
        {"value after the last",
         crlf(with(header, {"Chemical Intake: Monte Carlo Simulation", "1", "2", "3", "4"})), 19,
         "after the end"},
        {"regular intake not a number",
         crlf(with(concentrationsHeader("1"), {"Chemical Intake: n/a mg/(kg-day)"})), 15,
         "not a number"},
        {"header without end", crlf(longHeader), 47, "empty line"},
        {"fractional terms", generatedWith("2.5", "[End File]"), 12, "whole number"},
        {"terms beyond 16 bits", generatedWith("40000", "[End File]"), 12, "whole number"},
        {"no end mark", generatedWith("2", "Variant: Wb"), 23, "[End File]"},
        {"variants beyond the file",
         crlf({"Monte Carlo", "Type: Generated", "Total variants:  30000",
               "Number of Monte Carlo Iterations: 2", "Variant: Ri"}),
         4, "too short"},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            parseResultsFile(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const ResultsFileError& error) {
            EXPECT_EQ(error.line(), c.line) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind("line " + std::to_string(c.line) + ": ", 0),
                      0u);
        }
    }
}

TEST(ResultsFileTest, RefusesAHugeFileUnread) {
    const auto path = std::filesystem::temp_directory_path() / "charton-huge-results.plt";
    { std::ofstream create(path, std::ios::binary); }
    std::filesystem::resize_file(path, MaximumResultsFileBytes + 1); // sparse: costs no disk
    try {
        loadResultsFile(path.string());
        ADD_FAILURE() << "accepted";
    } catch (const ResultsFileError& error) {
        EXPECT_EQ(error.line(), 0u);
        EXPECT_NE(std::string(error.what()).find("bytes"), std::string::npos);
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace torval::charton
