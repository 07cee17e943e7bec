#include "analysisfile/RiskInputSection.h"
#include "analysisfile/RiskModelDataSection.h"
#include "analysisfile/RiskMonteCarloSection.h"
#include "core/analysisfile/ModelDataFixtures.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::builtSet;
using testing::codeOf;
using testing::twoPointGrid;

// The lines of a hand-written text, each ended by "|" in the source.
std::string crlf(std::string_view lines) {
    std::string text;
    for (const char c : lines) {
        text += c == '|' ? std::string("\r\n") : std::string(1, c);
    }
    return text;
}

std::string replaced(std::string text, std::string_view from, std::string_view to, bool all) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
        if (!all) {
            break;
        }
    }
    return text;
}

const std::string MonteReference = "   Monte Carlo|1:2";

const std::string InputText = "[Begin Input Data]\r\n"
                              "Model: Risk\r\n"
                              "PLUMEX Data: True\r\n"
                              "\r\n"
                              "Ingestion Unit: mg/(kg-day)\r\n"
                              "\r\n"
                              "X interval: 1:5\r\n"
                              "Y interval: \r\n"
                              "Z interval: 0\r\n"
                              "T interval: 10:20\r\n"
                              "\r\n"
                              "Selected Concentration: 2\r\n"
                              "Average  Concentration: 0.5\r\n"
                              "Maximum  Concentration: 1.25\r\n"
                              "Specified Concentration: 3\r\n"
                              "\r\n"
                              "Intake Type: 1\r\n"
                              "\r\n"
                              "Contact Rate (Rc): 0.05\r\n"
                              "Exposure Time (Te): " +
                              MonteReference +
                              "\r\n"
                              "Exposure Frequency (Fe): 7\r\n"
                              "Exposure Duration (Dt): 70\r\n"
                              "Body Weight (Wb): 70\r\n"
                              "Average Time period of exposure (Tavg): 70\r\n"
                              "[End Input Data]\r\n"
                              "\r\n";

RiskInput swimmingInput() {
    RiskInput input;
    input.ModelDataUsed = true;
    input.XInterval = "1:5";
    input.ZInterval = "0";
    input.TInterval = "10:20";
    input.ConcChoice = 2;
    input.AverageConc = "0.5";
    input.MaximumConc = "1.25";
    input.SpecifiedConc = "3";
    input.IntakeType = 1;
    input.Swimming = {"0.05", MonteReference, "7", "70", "70", "70"};
    return input;
}

// The lines from the initial concentration to the blank line after the units, alike for
// every set builtSet makes.
const std::string SavedFields = crlf(
    "Initial Concentration: 100|Maximum Concentration: 2.5|Average Concentration: 1.5E-07|"
    "Result: 2.5||X Range: 0:12.5:12.5|Y Range: -3:3:6|Z Range: |T Range: |"
    "Number of X Points: 2|Number of Y Points: 2|Number of Z Points: 2|Number of T Points: 2|"
    "Max Number of X Points: 11|Max Number of Y Points: 12|Max Number of Z Points: 13|"
    "Max Number of T Points: 14|Max Number of T Points: 15|"
    "X Coordinate for MC: 1|Y Coordinate for MC: 2|Z Coordinate for MC: 3|T Coordinate for MC: 4|"
    "|Units|Length: m|Time: yr|Concentration: mg/l||");

// A three-dimensional X-Y-T set with one species grid and one Monte Carlo species.
ModelDataSet speciesSample() {
    ModelDataSet data = builtSet({"Groundwater", 14, {11, 0}});
    data.ConcentrationGrid = twoPointGrid(3, {1.5, -2, -0.5, 4, 0, 1E-06, -7, 8});
    data.SpeciesData.at(1).ConcentrationGrid = twoPointGrid(2, {0.5, 2, -1, 0});
    return data;
}

const std::string SpeciesText =
    crlf("[Begin PLUMEX Data]|Data File Name: C:\\runs\\plume.dat|Model: Groundwater|"
         "SubModel: Model A|subtype: |Aquifer: Sand|Contaminant: TCE|Chemincal Num: 2|"
         "Current Chemincal: 2|Data Type: 14|") +
    SavedFields +
    crlf(", 1, 3.25E-07|0, -3,  1.5-2|0, 3, -0.5 4|12.5, -3,  0 1E-06|12.5, 3, -7 8|"
         "Current Chemical: 2|Chemical Name: Chemical 1|Data Type: 11||"
         "Average Concentration: 0.5|Maximum Concentration: 2|Result: 1.25|"
         ", 1, 3.25E-07|0,  0.5 ,  2 |12.5, -1 ,  0 |||"
         "Chemical Name: Chemical 2|Data Type: 0||Number of Monte Carlo Iterations: 3|"
         "Average Concentration: 0.5|Maximum Concentration: 0.75|Result: Monte Carlo|"
         " 0.25 | 0.75 |||[End PLUMEX Data]||");

// The input section and the model data section after it: each is written line for line, and
// edited copies of both read the same or are refused.
TEST(RiskDataFileSections, InputAndModelDataAreWrittenLineForLineAndEditedCopiesReadOrFail) {
    const ModelDataSet sample = speciesSample();
    std::string written;
    WriteInputDataSection(written, swimmingInput());
    WriteModelDataSection(written, sample, true);
    const std::string text = InputText + SpeciesText;
    EXPECT_EQ(written, text);
    const std::string body = text.substr(0, text.size() - 2); // keeps the closing blank line
    struct Row {
        std::string name;
        std::string edited;
        int code; // 0: reads the sample's input and data
    };
    const std::vector<Row> rows{
        {"LF line ends", replaced(text, "\r\n", "\n", true), 0},
        {"blank lines doubled, one before the sections",
         "\n" + replaced(body, "\r\n\r\n", "\r\n\r\n\r\n", true) + "\r\n", 0},
        {"blank lines dropped", replaced(body, "\r\n\r\n", "\r\n", true) + "\r\n", 0},
        {"blanks after every line", replaced(text, "\r\n", "  \r\n", true), 0},
        {"trailing blanks dropped", replaced(text, " \r\n", "\r\n", true), 0},
        {"closing blank line missing", body, 0},
        {"flag as a number", replaced(text, "Data: True", "Data: -1", false), 0},
        {"no input begin marker", replaced(text, "[Begin Input Data]", "[Begin Input]", false), 62},
        {"unknown pathway", replaced(text, "Intake Type: 1", "Intake Type: 9", false), 62},
        {"a parameter too many", replaced(text, "[End Input", "Extra: 1\r\n[End Input", false), 62},
        {"choice not a number", replaced(text, "Concentration: 2", "Concentration: two", false),
         13},
        {"flag not a flag", replaced(text, "Data: True", "Data: maybe", false), 13},
        {"wrong model data marker", replaced(text, "[Begin PLUMEX", "[Begin Input", false), 62},
        {"label out of step", replaced(text, "Data Type: 14", "Data Typo: 14", false), 62},
        {"correct spelling where the odd one stands",
         replaced(text, "Chemincal Num", "Chemical Num", false), 62},
        {"grid larger than the file", replaced(text, "X Points: 2", "X Points: 300", false), 62},
        {"chemicals beyond the file",
         replaced(text, "Chemincal Num: 2", "Chemincal Num: 9999", false), 62},
        {"count beyond 16 bits", replaced(text, "X Points: 2", "X Points: 40000", false), 6},
        {"count not a number", replaced(text, "Y Points: 2", "Y Points: two", false), 13},
        {"concentration not a number", replaced(text, "tion: 100", "tion: 1OO", false), 13},
        {"cell not a number", replaced(text, " 1.5-2", " 1.5-x", false), 13},
        {"cell beyond a double", replaced(text, " 1.5-2", " 1.5-2E+999", false), 6},
        {"cell missing", replaced(text, "0, 3, -0.5 4", "0, 3, -0.5", false), 62},
        {"cell too many", replaced(text, "0, 3, -0.5 4", "0, 3, -0.5 4 5", false), 62},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.edited, text);
        FreeFormatReader in(row.edited);
        RiskInput input;
        input.Fish[0] = "another pathway's";
        ModelDataSet data;
        EXPECT_EQ(codeOf([&] {
                      ReadInputDataSection(in, input);
                      ReadModelDataSection(in, data, true);
                  }),
                  row.code);
        if (row.code == 0) {
            RiskInput expected = swimmingInput();
            expected.Fish[0] = input.Fish[0];
            EXPECT_EQ(input, expected);
            EXPECT_EQ(data, sample);
        }
    }
}

// Two chemicals, one variant row and one statistics row each, two generated values per row.
const std::string MonteCarloText = "[Begin Monte Carlo Data]\r\n 1 \r\n 1 \r\n 3 \r\n"
                                   "[Begin Chemical 1 ]\r\n"
                                   "Ri\r\n2\r\n1\r\n3\r\n0.5\r\n2\r\nnormal\r\nTrue\r\n"
                                   "Ri\r\n2.1\r\n1.1\r\n2.9\r\n2\r\n1.9\r\n0.4\r\nTrue\r\nMean\r\n"
                                   " 1.5 \r\n 2.5 \r\n"
                                   "[End Chemical 1 ]\r\n"
                                   "[Begin Chemical 2 ]\r\n"
                                   "\r\n\r\n\r\n\r\n\r\n\r\n\r\nFalse\r\n"
                                   "\r\n\r\n\r\n\r\n\r\n\r\n\r\nFalse\r\n\r\n"
                                   "-1 \r\n 0 \r\n"
                                   "[End Chemical 2 ]\r\n"
                                   "[End MonteCarlo Data]\r\n";

// Written again item by item; a count of one or none holds no generated values.
TEST(RiskDataFileSections, MonteCarloSectionIsWrittenItemByItem) {
    for (const std::int32_t count : {3, 0, 1}) {
        SCOPED_TRACE(count);
        AppState saved;
        FreeFormatReader section(MonteCarloText);
        ReadMonteCarloSection(section, saved);
        EXPECT_EQ(saved.MCChemicalCount, 2);
        EXPECT_EQ(saved.SimulatedValues.at(1, 2, 1), 2.5);
        saved.MonteCarloCount = count;
        std::string text;
        WriteMonteCarloSection(text, saved);
        if (count == 3) {
            EXPECT_EQ(text, MonteCarloText);
            continue;
        }
        EXPECT_EQ(saved.MonteCarloCount, 1);
        EXPECT_EQ(text.find(" 1.5 "), std::string::npos);
        AppState read;
        FreeFormatReader in(text);
        ReadMonteCarloSection(in, read);
        EXPECT_EQ(read.MonteCarloCount, 1);
        EXPECT_FALSE(read.SimulatedValues.isAllocated());
        EXPECT_EQ(read.ResultTGData, saved.ResultTGData);
    }
}

} // namespace
} // namespace torval
