#include "datafiles/GroundwaterFileReader.h"

#include "core/datafiles/GroundwaterReaderTesting.h"
#include "core/datafiles/ReaderTestFiles.h"
#include "shell/Text.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace torval {
namespace {

using testing::cellAt;
using testing::DataSummary;
using testing::fileText;
using testing::groundwaterFixture;
using testing::GroundwaterRead;
using testing::readGroundwaterPath;
using testing::readGroundwaterText;
using testing::summaryOf;
using testing::usedValues;
using testing::withReplaced;

struct Cell {
    std::vector<int> index;
    double value;
};

struct Axes {
    std::vector<double> x, y, z, t;
};

TEST(GroundwaterFileReader, ReadsEachSingleSpeciesBody) {
    struct Case {
        std::string file;
        DataSummary expected;
        Axes axes;
        std::size_t gridRank;
        std::vector<Cell> cells;
        std::vector<double> monteCarlo;
    };
    const std::vector<Case> cases = {
        // The title ends on its eighth line, the retardation line is in capitals, the source
        // value is "100 mg/l" and the plain-number result is relative.
        {"minimal.one",
         {"One Dimensional", "0:10:10", "", "", "1:2:1", "5", "", "", "1.5", "50", 11, 2, -1, -1, 2,
          -1, 100.0},
         {{0, 10}, {}, {}, {1, 2}},
         2,
         {{{1, 1}, 100}, {{1, 2}, 100}, {{2, 1}, 25}, {{2, 2}, 50}},
         {}},
        {"montecarlo-count-one.one",
         {"One Dimensional", "0:10:10", "", "", "1:2:1", "5", "", "", "1.5", "Monte Carlo", 0, -1,
          -1, -1, -1, 1, 40.0},
         {},
         0,
         {},
         {}},
        {"montecarlo.u1d",
         {"Unsaturated One Dimensional", "0:5:1", "", "", "1:3:1", "2", "", "", "3", "Monte Carlo",
          0, -1, -1, -1, -1, 4, 2000.0},
         {},
         0,
         {},
         {1000, 500, 250}},
        {"grid.two",
         {"Two Dimensional", "0:50:50", "-5:5:10", "", "10:20:10", "50", "5", "", "20",
          "Relative concentration grid", 14, 2, 2, -1, 2, -1, 10.0},
         {{0, 50}, {-5, 5}, {}, {10, 20}},
         3,
         {{{1, 1, 1}, 1}, {{1, 2, 2}, 4}, {{2, 1, 1}, 5}, {{2, 2, 2}, 8}},
         {}},
        {"grid.tri",
         {"Three Dimensional", "0:10:10", "0:1:1", "0:2:2", "100:200:100", "10", "1", "2", "200",
          "1", 17, 2, 2, 2, 2, -1, 1000.0},
         {{0, 10}, {0, 1}, {0, 2}, {100, 200}},
         4,
         {{{1, 1, 1, 1}, 111},
          {{1, 1, 2, 1}, 112},
          {{1, 2, 1, 1}, 121},
          {{2, 1, 1, 1}, 211},
          {{2, 2, 2, 2}, 221.2}},
         {}},
        // Time-varying values are stored as read, the result as well, and the initial
        // concentration keeps its reset value.
        {"point.var",
         {"Time Varying", "0:10:10", "-1:1:2", "", "5:5:0", "10", "1", "", "5", "0.5", 14, 2, 2, -1,
          1, -1, -1.0},
         {{0, 10}, {-1, 1}, {}, {5}},
         3,
         {{{1, 1, 1}, 11}, {{1, 2, 1}, 12}, {{2, 1, 1}, 21}, {{2, 2, 1}, 22}},
         {}},
        // Not a point source: X-T only, no Y range or point, the last Y value of each X stays.
        {"line.var",
         {"Time Varying", "0:10:10", "", "", "5:5:0", "10", "", "", "5", "0.5", 11, 2, 2, -1, 1, -1,
          -1.0},
         {{0, 10}, {-1, 1}, {}, {5}},
         2,
         {{{1, 1}, 12}, {{2, 1}, 22}},
         {}},
        {"unknown-model.one",
         {"Four Dimensional", "", "", "", "", "", "", "", "", "", -1, -1, -1, -1, -1, -1, -1.0},
         {},
         0,
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const GroundwaterRead read = readGroundwaterPath(groundwaterFixture(c.file));
        ASSERT_TRUE(read.accepted);
        EXPECT_TRUE(read.messages.empty());
        const ModelDataSet& data = read.data();
        EXPECT_EQ(summaryOf(data), c.expected);
        EXPECT_EQ(data.ChemicalCount, 1);
        if (!c.axes.x.empty()) {
            EXPECT_EQ(usedValues(data.XValues, data.NumX), c.axes.x);
            EXPECT_EQ(usedValues(data.TValues, data.NumT), c.axes.t);
            EXPECT_EQ(data.XValues.lower(), 0);
        }
        if (!c.axes.y.empty()) {
            EXPECT_EQ(usedValues(data.YValues, data.NumY), c.axes.y);
        }
        if (!c.axes.z.empty()) {
            EXPECT_EQ(usedValues(data.ZValues, data.NumZ), c.axes.z);
        }
        if (c.gridRank != 0) {
            ASSERT_EQ(data.ConcentrationGrid.rank(), c.gridRank);
            for (std::size_t d = 1; d <= c.gridRank; ++d) {
                EXPECT_EQ(data.ConcentrationGrid.lower(d), 0);
            }
        }
        for (const Cell& cell : c.cells) {
            EXPECT_DOUBLE_EQ(cellAt(data.ConcentrationGrid, cell.index), cell.value);
        }
        if (data.DataType == 0) {
            EXPECT_EQ(data.McIterationValues.upper(), data.McIterationCount - 1);
            EXPECT_EQ(usedValues(data.McIterationValues, data.McIterationCount - 1), c.monteCarlo);
        }
    }
}

// Variants of the fixtures: a line whose text decides how many lines follow, and the
// conversions that differ between bodies. A wrong decision shifts every later line, which
// ends in a refused file or in other values.
TEST(GroundwaterFileReader, LinesThatDecideTheLayout) {
    struct Case {
        std::string name;
        std::string file;
        std::vector<std::pair<std::string, std::string>> replacements;
        bool accepted;
        int dataType;
        std::string result;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"retardation in lower case", "minimal.one", {{"RETARDATION FACTOR COMPUTED: YES", "retardation factor computed: yes"}}, true, 11, "50"},
        {"no retardation line: the source block follows at once", "minimal.one", {{"RETARDATION FACTOR COMPUTED: YES\nRetardation Factor: 2\n", "Decay: 0\n"}}, true, 11, "50"},
        {"Net Recharge is tested with its case", "grid.two", {{"Net Recharge: Included\nRecharge Rate: 0.001\nRecharge Concentration: 0\n", "NET RECHARGE: Included\n"}}, true, 14, "Relative concentration grid"},
        {"a lower-case dirichlet is not Dirichlet", "montecarlo.u1d", {{"Contaminant: Cauchy", "Contaminant: dirichlet"}}, true, 0, "Monte Carlo"},
        {"Dirichlet reads no boundary line", "montecarlo.u1d", {{"Contaminant: Cauchy", "Contaminant: Dirichlet"}, {"boundary line read because the inlet is not Dirichlet\n", ""}}, true, 0, "Monte Carlo"},
        {"Dirichlet with the boundary line left in", "montecarlo.u1d", {{"Contaminant: Cauchy", "Contaminant: Dirichlet"}}, false, -1, ""},
        {"a Monte Carlo text in another case is a grid result", "montecarlo-count-one.one", {{"\nMonte Carlo\n", "\nMONTE CARLO\n"}}, false, -1, ""},
        {"model names are compared with their case", "minimal.one", {{"Model Type: One Dimensional", "Model Type: one dimensional"}}, true, -1, ""},
        {"a time-varying point source in any case", "line.var", {{"Nitrate from a line source", "Nitrate, pOiNt source"}}, true, 14, "0.5"},
        {"a plain-number result of a time-varying file stays as read", "point.var", {{"\n0.5\n", "\n0.50\n"}}, true, 14, "0.50"},
        {"a one-dimensional source without a number is 0", "minimal.one", {{"Concentration: 100 mg/l", "Concentration: about 100"}}, true, 11, "0"},
        {"other bodies need a well-formed source number", "grid.tri", {{"Concentration: 1E3", "Concentration: 1000 mg/l"}}, false, -1, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = groundwaterFixture(c.file);
        std::string text = fileText(path);
        for (const auto& [find, replacement] : c.replacements) {
            text = withReplaced(text, find, replacement);
        }
        const GroundwaterRead read = readGroundwaterText(text, testing::groundwaterMediumOf(path));
        EXPECT_EQ(read.accepted, c.accepted);
        EXPECT_EQ(read.messages.size(), c.accepted ? 0U : 1U);
        if (c.accepted) {
            EXPECT_EQ(read.data().DataType, c.dataType);
            EXPECT_EQ(read.data().ModelResult, c.result);
        }
    }
}

// Only the closing line follows the header: the rest of the file is never looked at.
TEST(GroundwaterFileReader, ReadsNoBodyForAnotherMedium) {
    const GroundwaterRead read =
        readGroundwaterText(fileText(groundwaterFixture("minimal.one")), Medium::Air);
    EXPECT_TRUE(read.accepted);
    EXPECT_EQ(read.data().SubModelName, "One Dimensional");
    EXPECT_EQ(read.data().DataType, -1);
    EXPECT_EQ(read.data().XRange, "");
}

// What the user is told for a refused file, by the failure of the read.
TEST(GroundwaterFileReader, RefusesBrokenFilesWithTheirCode) {
    struct Case {
        std::string file;
        std::string title;
    };
    const std::string pastEnd = "Improper File Name";
    const std::vector<Case> cases = {
        {"broken-truncated.tri", pastEnd},
        {"broken-huge-counts.tri", pastEnd},
        {"broken-huge-counts.mc3", pastEnd},
        {"broken-negative-count.one", pastEnd},
        {"broken-montecarlo-count-zero.one", pastEnd},
        {"broken-no-end-title.one", pastEnd},
        {"broken-source.two", "Type Mismatch Error"},
        {"broken-species-source.mc2", "Type Mismatch Error"},
        {"broken-count-overflow.mc1", "Overflow"},
        {"broken-value-overflow.one", "Overflow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto path = groundwaterFixture(c.file);
        const GroundwaterRead read = readGroundwaterPath(path);
        EXPECT_FALSE(read.accepted);
        ASSERT_EQ(read.messages.size(), 1U);
        EXPECT_EQ(read.messages[0].title, c.title);
        if (c.title == pastEnd) {
            EXPECT_EQ(read.messages[0].text, upperCase(path.string()) +
                                                 " is not in one of the recognized formats. "
                                                 "\r\r Please open another file.");
        }
    }
}

// Every sample and fixture cut after any line: the whole file loads (unless it is a broken
// one), every shorter cut of a sample is refused with a message, none crashes or hangs.
TEST(GroundwaterFileReader, EveryPrefixLoadsOrIsRefusedWithAMessage) {
    std::vector<std::filesystem::path> files =
        testing::filesIn(testing::sampleDirectory("grndwatr"));
    ASSERT_GE(files.size(), 9U);
    const std::size_t samples = files.size();
    for (const auto& fixture : testing::filesIn(groundwaterFixture(""))) {
        files.push_back(fixture);
    }
    for (std::size_t f = 0; f < files.size(); ++f) {
        SCOPED_TRACE(files[f].string());
        const std::string text = fileText(files[f]);
        const auto prefixes = testing::lineEndPrefixes(text);
        for (const std::string& prefix : prefixes) {
            const GroundwaterRead read =
                readGroundwaterText(prefix, testing::groundwaterMediumOf(files[f]));
            const bool whole = prefix.size() == text.size();
            if (!read.accepted) {
                ASSERT_EQ(read.messages.size(), 1U) << prefix.size();
            }
            if (whole && !testing::isBrokenFixture(files[f])) {
                EXPECT_TRUE(read.accepted);
            }
            if (!whole && f < samples) {
                ASSERT_FALSE(read.accepted) << prefix.size();
            }
        }
    }
}

} // namespace
} // namespace torval
