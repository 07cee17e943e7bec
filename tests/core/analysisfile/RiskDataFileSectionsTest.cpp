#include "analysisfile/RiskInputSection.h"
#include "analysisfile/RiskMonteCarloSection.h"
#include "support/CodeOf.h"

#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

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

std::string replaced(std::string text, const std::string& pattern, const std::string& by) {
    return std::regex_replace(text, std::regex(pattern), by);
}

TEST(RiskDataFileSections, InputSectionIsWrittenLineForLineAndEditedCopiesAreReadOrRefused) {
    std::string written;
    WriteInputDataSection(written, swimmingInput());
    EXPECT_EQ(written, InputText);

    struct Edit {
        std::string name;
        std::string text;
        int code; // 0: reads the input written
    };
    const std::vector<Edit> edits = {
        {"as written", InputText, 0},
        {"LF line ends", replaced(InputText, "\r\n", "\n"), 0},
        {"blank lines removed", replaced(InputText, "\r\n\r\n", "\r\n"), 0},
        {"blank lines doubled, one before the section",
         "\n" + replaced(InputText, "\r\n\r\n", "\r\n\r\n\r\n"), 0},
        {"trailing blanks dropped", replaced(InputText, " \r\n", "\r\n"), 0},
        {"flag as a number", replaced(InputText, "Data: True", "Data: -1"), 0},
        {"no begin marker", replaced(InputText, "\\[Begin Input Data\\]", "[Begin Input]"), 62},
        {"unknown pathway", replaced(InputText, "Intake Type: 1", "Intake Type: 9"), 62},
        {"a parameter too many", replaced(InputText, "\\[End Input", "Extra: 1\r\n[End Input"), 62},
        {"cut before the end marker", InputText.substr(0, InputText.find("[End")), 62},
        {"choice not a number", replaced(InputText, "Concentration: 2", "Concentration: two"), 13},
        {"flag not a flag", replaced(InputText, "Data: True", "Data: maybe"), 13},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        FreeFormatReader in(edit.text);
        RiskInput read;
        read.Fish[0] = "another pathway's";
        EXPECT_EQ(codeOf([&] { ReadInputDataSection(in, read); }), edit.code);
        if (edit.code == 0) {
            RiskInput expected = swimmingInput();
            expected.Fish[0] = read.Fish[0];
            EXPECT_EQ(read, expected);
            EXPECT_TRUE(in.atEnd() || in.line().empty());
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

AppState monteCarloState() {
    AppState state;
    FreeFormatReader in(MonteCarloText);
    ReadMonteCarloSection(in, state);
    return state;
}

TEST(RiskDataFileSections, MonteCarloSectionIsWrittenItemByItem) {
    AppState state = monteCarloState();
    EXPECT_EQ(state.MCChemicalCount, 2);
    EXPECT_EQ(state.SimulatedValues.at(1, 2, 1), 2.5);
    std::string text;
    WriteMonteCarloSection(text, state);
    EXPECT_EQ(text, MonteCarloText);
}

TEST(RiskDataFileSections, MonteCarloCountOfOneOrNoneHoldsNoValues) {
    for (const std::int32_t count : {0, 1}) {
        SCOPED_TRACE(count);
        AppState saved = monteCarloState();
        saved.MonteCarloCount = count;
        std::string text;
        WriteMonteCarloSection(text, saved);
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
