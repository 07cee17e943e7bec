#include "analysisfile/RiskDataFile.h"

#include "core/analysisfile/ModelDataFixtures.h"
#include "core/datafiles/ReaderTestFiles.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "shell/TextEncoding.h"
#include "support/CodeOf.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string handwrittenText() {
    return fileBytes(std::string(TORVAL_TEST_DATA) + "/riskdata/handwritten.tvl");
}

AppState readText(const std::string& text) {
    AppState state;
    FreeFormatReader in(text);
    ReadRiskData(in, state);
    return state;
}

TEST(RiskDataFile, HandwrittenFileReadsIntoTheAnalysisItDescribes) {
    const AppState read = readText(handwrittenText());
    const RiskInput& input = read.riskInput;
    EXPECT_EQ(input.AverageConc, std::string(15, ' ') + "Monte Carlo|1.75:1");
    EXPECT_EQ(input.DrinkingWater, (PathwayParameters{"2", "365", "30", "70", "70"}));
    EXPECT_EQ(input.ResultText, "Monte Carlo");

    const ModelDataSet& data = read.modelData;
    EXPECT_EQ(data.NumX, 3);
    EXPECT_EQ(data.XValues.at(3), 20.0);
    EXPECT_EQ(data.ConcentrationGrid.at(2), 1.0);

    EXPECT_EQ(read.ResultCount, 3);
    EXPECT_EQ(read.IntakeResults.at(2), 0.025);
    EXPECT_EQ(read.MonteCarloCount, 3);
    EXPECT_EQ(read.SavedMCInputRowCount, 1);
    EXPECT_EQ(read.SavedInputTGData.at(1, 1).Distribution, "normal");
    EXPECT_EQ(read.SavedResultTGData.at(1, 1).Marker, "Whole Series");
    EXPECT_EQ(read.SavedSimulatedValues.at(1, 2, 1), 2.4);
}

// Random analyses around the model data sets builtSet makes, with the Monte Carlo tables.
struct AnalysisMaker {
    std::mt19937_64 random;

    AppState make(const testing::Shape& shape) {
        AppState state;
        fillInput(state.riskInput);
        state.modelData = testing::builtSet(shape);
        fillResults(state);
        return state;
    }

    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random); }
    double value() {
        const double mantissa = std::uniform_real_distribution(-1.0, 1.0)(random);
        return uniform(0, 4) == 0 ? uniform(-3, 9) : std::ldexp(mantissa, uniform(-40, 60));
    }
    // A one-line text without blanks at its ends (labelled values are trimmed).
    std::string text() {
        static const std::string letters = "abXY 0.9:-|/(";
        std::string t;
        for (int n = uniform(0, 8); n > 0; --n) {
            t += letters[static_cast<std::size_t>(uniform(0, 12))];
        }
        return trimBlanks(t);
    }

    void fillInput(RiskInput& input) {
        input.ModelDataUsed = uniform(0, 4) != 0;
        input.XInterval = text();
        input.TInterval = "1:" + text();
        input.ConcChoice = static_cast<std::int16_t>(uniform(0, 2));
        input.AverageConc = std::string(500, ' ') + "Monte Carlo|" + text() + ":1";
        input.SpecifiedConc = text();
        input.IntakeType = static_cast<std::int16_t>(uniform(0, 8));
        for (std::string& parameter : parameterSet(input, input.IntakeType)) {
            parameter = text();
        }
    }

    template <typename Array>
    void fillValues(Array& values) {
        for (double& v : values.elements()) {
            v = value();
        }
    }

    void fillResults(AppState& state) {
        const bool monte = uniform(0, 1) == 1;
        state.ResultCount = uniform(monte ? 1 : 0, 4);
        state.riskInput.ResultText = monte ? "Monte Carlo" : generalText(value());
        state.IntakeResults.redim({1, std::max(state.ResultCount, 1)});
        fillValues(state.IntakeResults);
        state.MCChemicalCount = static_cast<std::int16_t>(uniform(1, 3));
        state.SavedMCInputRowCount = static_cast<std::int16_t>(uniform(0, 3));
        state.SavedMCResultRowCount = static_cast<std::int16_t>(uniform(0, 3));
        const std::int64_t chemicals = state.MCChemicalCount;
        if (state.SavedMCInputRowCount > 0) {
            state.SavedInputTGData.redim({1, state.SavedMCInputRowCount}, {1, chemicals});
            for (MonteCarloVariant& v : state.SavedInputTGData.elements()) {
                v = {" " + text(), text(), text(), text(), text(), text(), text(), true};
            }
        }
        if (state.SavedMCResultRowCount > 0) {
            state.SavedResultTGData.redim({1, state.SavedMCResultRowCount}, {1, chemicals});
            for (MonteCarloResult& r : state.SavedResultTGData.elements()) {
                r = {text(), text(), "", text(), text(), text(), text() + " ", true, text()};
            }
            state.SavedSimulatedValues.redim({1, state.SavedMCResultRowCount},
                                             {1, state.ResultCount + 1}, {1, chemicals});
            fillValues(state.SavedSimulatedValues);
        }
    }
};

// Every layout and every kind of chemical block; each set is saved at least once.
TEST(RiskDataFile, RandomAnalysesAreWrittenReadAndWrittenAgainByteForByte) {
    std::vector<testing::Shape> shapes;
    for (std::int16_t type = -1; type <= 17; ++type) {
        shapes.push_back({type % 2 == 0 ? "Groundwater" : "Surface Water", type, {}});
    }
    shapes.push_back({"Air", 10, {0, 10, 17, 2}});
    shapes.push_back({"Air", 17, {3}});
    shapes.push_back({"Groundwater", 11, {0, 11, 14, 17, 3}});
    shapes.push_back({"  groundwater  ", 17, {17, 14}});
    AnalysisMaker maker{std::mt19937_64(20240607)};
    for (const bool saved : {true, false}) {
        for (const testing::Shape& shape : shapes) {
            SCOPED_TRACE(shape.model + " " + std::to_string(shape.dataType));
            AppState original = maker.make(shape);
            original.riskInput.ModelDataUsed = original.riskInput.ModelDataUsed || saved;
            RiskInput input = original.riskInput;
            input.Concentration = selectedConcentration(input); // what a read analysis calculates
            const std::string first = RiskDataFileContents(original);
            AppState read = readText(first);
            EXPECT_EQ(read.riskInput, input);
            EXPECT_EQ(first.find("\r\nUnits\r\n") == std::string::npos, !input.ModelDataUsed);
            original.modelData.ModelName =
                trimBlanks(shape.model); // as read; nothing else may change
            if (input.ModelDataUsed) {
                EXPECT_EQ(read.modelData, original.modelData);
            }
            const std::string again = RiskDataFileContents(original);
            EXPECT_EQ(RiskDataFileContents(read), again);
            for (const char* ending : {"\n", "\r"}) { // as other machines end the lines
                AppState reread = readText(testing::withLineEnds(first, ending));
                EXPECT_EQ(RiskDataFileContents(reread), again) << "line end " << int(ending[0]);
            }
        }
    }
}

// The air set holds every kind of block an air file has.
TEST(RiskDataFile, EveryCutOfAFileFailsWithItsCode) {
    AppState sample = AnalysisMaker{std::mt19937_64(7)}.make({"Air", 10, {0, 2}});
    sample.riskInput.ModelDataUsed = true;
    const std::vector<std::string> files = {handwrittenText(), RiskDataFileContents(sample)};
    for (const std::string& file : files) {
        const std::string::size_type lastLineEnd = file.find_last_not_of("\r\n") + 1;
        for (std::size_t length = 0; length < file.size(); ++length) {
            const int code = codeOf([&] { readText(file.substr(0, length)); });
            if (length >= lastLineEnd) {
                EXPECT_EQ(code, 0) << "cut at " << length;
            } else if (code != 13) {
                EXPECT_EQ(code, 62) << "cut at " << length;
            }
        }
    }
}

TEST(RiskDataFile, AFailedSaveSaysWhyAndLeavesOnlyThePreviousFile) {
    struct Case {
        std::string name;
        SinkOpener opener;
        std::string target;
        std::string title;
        std::string textStart;
    };
    const std::string longName(252, 'n');
    const std::vector<Case> cases = {
        {"every temporary name is taken by another save",
         [](const std::string&, const std::string&) { return nullptr; }, "previous.tvl",
         "File Changed While Saving", "PREVIOUS.TVL has not been saved"},
        {"a name the file system refuses for its length", openFileSink, longName + ".tvl",
         "Improper File Name", "its name is too long"},
        {"a failure whose code has no message of its own",
         [](const std::string&, const std::string&) -> std::unique_ptr<ByteSink> {
             throw RunTimeError(ErrorCode::SubscriptOutOfRange, "a table too small");
         },
         "previous.tvl", "Save Failed", "Save did not complete for "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScratchDirectory scratch("riskfile-save");
        scratch.writeFile("previous.tvl", "previous bytes\r\n");
        AppState state = readText(handwrittenText());
        testing::RecordingPrompter prompter;
        EXPECT_FALSE(WriteRiskDataFile(state, prompter, scratch.path(c.target), c.opener));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].title, c.title);
        EXPECT_NE(prompter.messages[0].text.find(c.textStart), std::string::npos)
            << prompter.messages[0].text;
        EXPECT_FALSE(prompter.isBusy());
        EXPECT_EQ(fileBytes(scratch.path("previous.tvl")), "previous bytes\r\n");
        EXPECT_EQ(scratch.names(), std::vector<std::string>{"previous.tvl"});
    }
}

// Names in any language survive: a text that fits Windows-1252 is written in it, one that does
// not (日本) makes the file UTF-8, and both read back as written. Links planted beside the
// target, where a save would put its temporary file, are never written through; the saved file
// keeps the permissions of the one it replaces.
TEST(RiskDataFile, ASavedFileReopensAsTheSameAnalysisAndNoPlantedLinkIsWrittenThrough) {
    namespace fs = std::filesystem;
    const std::string name = "\u65e5\u672c.tvl";
    const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    for (const std::string dataFile : {"/data/plume.one", "/data/caf\u00e9-\u00dc/plume.one",
                                       "/data/caf\u00e9-\u00dc/\u65e5\u672c.one"}) {
        SCOPED_TRACE(dataFile);
        testing::ScratchDirectory scratch("riskfile-reopen");
        scratch.writeFile("victim", "not yours\n");
        scratch.writeFile(name, "previous\r\n");
        fs::permissions(scratch.path(name), ownerOnly);
        for (const std::string& link : {name + ".tmp", name + "~", "." + name + ".tmp"}) {
            fs::create_symlink(scratch.path("victim"), scratch.path(link));
        }
        const std::vector<std::string> before = scratch.names();
        AppState state = readText(handwrittenText());
        state.modelData.DataFileName = dataFile;
        testing::RecordingPrompter prompter;
        ASSERT_TRUE(WriteRiskDataFile(state, prompter, scratch.path(name)));
        EXPECT_EQ(fileBytes(scratch.path("victim")), "not yours\n");
        EXPECT_FALSE(fs::is_symlink(scratch.path(name)));
        EXPECT_EQ(fs::status(scratch.path(name)).permissions(), ownerOnly);
        EXPECT_EQ(scratch.names(), before);
        AppState reopened;
        ASSERT_TRUE(ReadRiskDataFile(reopened, prompter, scratch.path(name)));
        EXPECT_EQ(reopened.riskInput.FileName, scratch.path(name));
        EXPECT_EQ(reopened.modelData.DataFileName, dataFile);
        EXPECT_EQ(toFileText(RiskDataFileContents(reopened)), fileBytes(scratch.path(name)));
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_FALSE(prompter.isBusy());
    }
}

} // namespace
} // namespace torval
