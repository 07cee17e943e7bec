#include "datafiles/GroundwaterFileReader.h"

#include "core/datafiles/GroundwaterReaderTesting.h"
#include "core/datafiles/ReaderTestFiles.h"
#include "datafiles/AirFileReader.h"
#include "datafiles/GroundwaterSpeciesReader.h"
#include "datafiles/SurfaceWaterFileReader.h"
#include "shell/Text.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace torval {
namespace {

using ::testing::DoubleEq;
using testing::fileText;
using testing::gridCells;
using testing::groundwaterFixture;
using testing::GroundwaterRead;
using testing::numbers;
using ::testing::Pointwise;
using testing::readGroundwaterText;
using testing::summaryOf;
using testing::usedValues;
using testing::withReplaced;

// Every record must describe the species with the data set's shared axes, since the
// normalisation and the selection of a species go by the record alone. Its layout and results
// are checked once it is made current.
void expectRecordsDescribeTheFile(const ModelDataSet& data) {
    for (int s = 1; s <= data.ChemicalCount; ++s) {
        SCOPED_TRACE("species " + std::to_string(s));
        const ChemicalDataRecord& record = data.SpeciesData.at(s);
        EXPECT_EQ(record.NumX, data.NumX);
        EXPECT_EQ(record.NumY, data.NumY);
        EXPECT_EQ(record.NumZ, data.NumZ);
        EXPECT_EQ(record.NumT, data.NumT);
        EXPECT_EQ(record.XRange, data.XRange);
        EXPECT_EQ(record.TRange, data.TRange);
        ASSERT_EQ(record.ConcentrationGrid.rank(), data.ConcentrationGrid.rank());
        for (std::size_t d = 1; d <= record.ConcentrationGrid.rank(); ++d) {
            EXPECT_EQ(record.ConcentrationGrid.lower(d), 0);
            EXPECT_EQ(record.ConcentrationGrid.upper(d), data.ConcentrationGrid.upper(d));
        }
    }
}

// Coordinates 1..N, cells and Monte Carlo values 1..count-1 as blank-separated numbers. The
// species of a species file are made current in turn: the layout, the cells or values and the
// results of each reach the data set, whose shared axes stay as read.
TEST(GroundwaterFileReader, ReadsEachBody) {
    struct Case {
        std::string file;
        std::string summary; // summaryOf
        std::vector<std::string> names;
        std::string initials, x, y, z, t;
        std::vector<std::string> values; // cells or Monte Carlo values of each species
        std::vector<std::pair<std::string, std::string>> edits = {};
    };
    // clang-format off
    const std::vector<Case> cases = {
        // The title ends on its eighth line, the retardation line is in capitals, the source
        // value is "100 mg/l" and the plain-number result is relative.
        {"minimal.one", "One Dimensional|0:10:10|||1:2:1|5|||1.5|50|11|2|-1|-1|2|-1|100", {}, "", "0 10", "", "", "1 2", {"100 100 25 50"}},
        {"montecarlo-count-one.one", "One Dimensional|0:10:10|||1:2:1|5|||1.5|Monte Carlo|0|-1|-1|-1|-1|1|40", {}, "", "", "", "", "", {""}},
        {"montecarlo.u1d", "Unsaturated One Dimensional|0:5:1|||1:3:1|2|||3|Monte Carlo|0|-1|-1|-1|-1|4|2000", {}, "", "", "", "", "", {"1000 500 250"}},
        {"grid.two", "Two Dimensional|0:50:50|-5:5:10||10:20:10|50|5||20|Relative concentration grid|14|2|2|-1|2|-1|10",
         {}, "", "0 50", "-5 5", "", "10 20", {"1 2 3 4 5 6 7 8"}},
        {"grid.tri", "Three Dimensional|0:10:10|0:1:1|0:2:2|100:200:100|10|1|2|200|1|17|2|2|2|2|-1|1000", {}, "", "0 10", "0 1", "0 2", "100 200",
         {"111 111.1 112 111.2 121 121.1 122 121.2 211 211.1 212 211.2 221 221.1 222 221.2"}},
        // Time-varying values are stored as read, the result as well, and the initial
        // concentration keeps its reset value.
        {"point.var", "Time Varying|0:10:10|-1:1:2||5:5:0|10|1||5|0.5|14|2|2|-1|1|-1|-1", {}, "", "0 10", "-1 1", "", "5", {"11 12 21 22"}},
        // Not a point source: X-T only, no Y range or point, the last Y value of each X stays.
        {"line.var", "Time Varying|0:10:10|||5:5:0|10|||5|0.5|11|2|2|-1|1|-1|-1", {}, "", "0 10", "-1 1", "", "5", {"12 22"}},
        {"unknown-model.one", "Four Dimensional||||||||||-1|-1|-1|-1|-1|-1|-1", {}, "", "", "", "", "", {""}},
        // Capitals in "CHEMICAL NUMBER:", a name holding commas, a species source of 0.
        {"three-species.mc1", "One Dimensional|0:10:10|||1:2:1|5|||1|Concentration Grid|11|2|-1|-1|2|-1|50",
         {"TCE", "DCE, cis-1,2-", "Vinyl chloride"}, "50 2.5 0", "0 10", "", "", "1 2", {"50 50 1 2", "2.5 2.5 3 4", "0 0 5 6"}},
        {"montecarlo.mc1", "One Dimensional|0:10:10|||1:2:1|5|||1|Monte Carlo|0|-1|-1|-1|-1|3|30",
         {"PCE", "TCE"}, "30 0.5", "", "", "", "", {"11 12", "21 22"}},
        // Without a "chemical number:" line a species file has one species.
        {"montecarlo.mc1", "One Dimensional|0:10:10|||1:2:1|5|||1|Monte Carlo|0|-1|-1|-1|-1|3|30",
         {"PCE"}, "30", "", "", "", "", {"11 12"},
         {{"Chemical Number: 2", "Species listed below"},
          {"PCE\nTCE\nDecay Coefficients\n0.1\n0.2\nRetardation Factors\n2\n2\n", "PCE\nDecay Coefficients\n0.1\nRetardation Factors\n2\n"},
          {"0\n0.8\nSource Concentrations\n30\n0.5\n", "0\nSource Concentrations\n30\n"},
          {"TCE\n21\n22\n", ""}}},
        {"two-species.mc2", "Two Dimensional|0:10:10|0:0:0||1:2:1|10|0||2|Concentration Grid|14|2|1|-1|2|-1|30",
         {"PCE", "TCE"}, "30 0.5", "0 10", "0", "", "1 2", {"30 30 1 2", "0.5 0.5 3 4"}},
        {"two-species.mc3", "Three Dimensional|0:10:10|0:0:0|0:2:2|1:2:1|10|0|2|2|Concentration Grid|17|2|1|2|2|-1|30",
         {"PCE", "TCE"}, "30 0.5", "0 10", "0", "0 2", "1 2", {"30 30 29 28 1.1 2.1 1.2 2.2", "0.5 0.5 0.4 0.3 3.1 4.1 3.2 4.2"}},
        {"dirichlet.mcu", "Unsaturated One Dimensional|0:1:1|||1:1:0|1|||1|Concentration Grid|11|2|-1|-1|1|-1|30",
         {"PCE", "TCE"}, "30 0.5", "0 1", "", "", "1", {"30 7", "0.5 0.25"}},
        // A species file of a model without a species body: the data set stays as reset.
        {"time-varying.mc1", "Time Varying||||||||||-1|-1|-1|-1|-1|-1|-1", {}, "", "", "", "", "", {""}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto path = groundwaterFixture(c.file);
        std::string text = fileText(path);
        for (const auto& [find, replacement] : c.edits) {
            text = withReplaced(text, find, replacement);
        }
        GroundwaterRead read = readGroundwaterText(text, testing::groundwaterMediumOf(path));
        ASSERT_TRUE(read.accepted);
        EXPECT_TRUE(read.messages.empty());
        ModelDataSet& data = read.state.modelData;
        const auto species = static_cast<std::int16_t>(c.names.size());
        ASSERT_EQ(data.ChemicalCount, std::max<std::int16_t>(species, 1));
        testing::expectAxes(data, {c.x, c.y, c.z, c.t});
        if (species > 0) {
            expectRecordsDescribeTheFile(data);
        }
        for (std::int16_t s = species > 0 ? 1 : 0; s <= species; ++s) {
            SCOPED_TRACE("species " + std::to_string(s));
            if (s > 0) {
                EXPECT_EQ(data.ChemicalNames.at(s), c.names[s - 1]);
                EXPECT_EQ(data.SpeciesData.at(s).InitialConcentration, numbers(c.initials)[s - 1]);
                data.SpeciesData.at(s).MaximumConcentration = s;
                data.SpeciesData.at(s).AverageConcentration = -s;
                SelectSpecies(data, s);
                EXPECT_EQ(data.MaximumConcentration, s);
                EXPECT_EQ(data.AverageConcentration, -s);
            }
            EXPECT_EQ(summaryOf(data), c.summary);
            for (std::size_t d = 1; d <= data.ConcentrationGrid.rank(); ++d) {
                EXPECT_EQ(data.ConcentrationGrid.lower(d), 0);
            }
            if (data.DataType == 0) {
                EXPECT_EQ(data.McIterationValues.upper(), data.McIterationCount - 1);
            }
            EXPECT_THAT(data.DataType == 0
                            ? usedValues(data.McIterationValues, data.McIterationCount - 1)
                            : gridCells(data),
                        Pointwise(DoubleEq(), numbers(c.values[std::max(s - 1, 0)])));
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
    EXPECT_EQ(summaryOf(read.data()), "One Dimensional||||||||||-1|-1|-1|-1|-1|-1|-1");
}

// What the user is told for a refused file of each medium, by the failure of the read (the
// texts themselves are the error report's). That broken files are refused at all is checked
// where every prefix of every file is read.
TEST(DataFileReaders, RefuseBrokenFilesWithAMessageNamingThePath) {
    using Reader = bool (*)(AppState&, Prompter&, const std::string&);
    struct Case {
        Reader read;
        std::string file;
        std::string title; // none: no message
    };
    const std::string improper = "Improper File Name";
    const std::string notFound = "File not found.";
    const Reader air = ReadAirDataFile;
    const Reader surface = ReadSurfaceWaterFile;
    const Reader ground = ReadGroundwaterFile;
    // clang-format off
    const std::vector<Case> cases = {
        {air, "air/broken-version.box", improper},
        {air, "air/broken-no-chemicals.ind", ""}, // 776 is reported without a message
        {air, "air/absent.gas", notFound},
        {surface, "surface/broken-start.spd", improper},
        {surface, "surface/absent.oce", notFound},
        {ground, "groundwater/broken-huge-counts.tri", improper},
        {ground, "groundwater/broken-huge-counts.mc3", improper},
        {ground, "groundwater/broken-negative-count.one", improper},
        {ground, "groundwater/broken-montecarlo-count-zero.one", improper},
        {ground, "groundwater/broken-source.two", "Type Mismatch Error"},
        {ground, "groundwater/broken-species-source.mc2", "Type Mismatch Error"},
        {ground, "groundwater/broken-count-overflow.mc1", "Overflow"},
        {ground, "groundwater/broken-value-overflow.one", "Overflow"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto path = testing::testDataDirectory() / c.file;
        AppState state;
        state.MediumCode = testing::groundwaterMediumOf(path);
        testing::RecordingPrompter prompter;
        EXPECT_FALSE(c.read(state, prompter, path.string()));
        EXPECT_FALSE(prompter.isBusy());
        ASSERT_EQ(prompter.messages.size(), c.title.empty() ? 0U : 1U);
        if (c.title.empty()) {
            continue;
        }
        EXPECT_EQ(prompter.messages[0].title, c.title);
        if (c.title == improper || c.title == notFound) {
            EXPECT_NE(prompter.messages[0].text.find(upperCase(path.string())), std::string::npos);
        }
    }
}

// Every sample and fixture cut after any line: the whole file loads unless it is a broken
// one, every shorter cut of a sample is refused with a message, none crashes or hangs.
TEST(GroundwaterFileReader, EveryPrefixLoadsOrIsRefusedWithAMessage) {
    testing::forEveryPrefix(
        groundwaterFixture(""), "grndwatr", 9,
        [](const auto& file, const std::string& prefix, bool whole, bool sample) {
            const GroundwaterRead read =
                readGroundwaterText(prefix, testing::groundwaterMediumOf(file));
            if (!read.accepted) {
                ASSERT_EQ(read.messages.size(), 1U);
            }
            if (whole) {
                EXPECT_EQ(read.accepted, !testing::isBrokenFixture(file));
            } else if (sample) {
                EXPECT_FALSE(read.accepted);
            }
        });
}

} // namespace
} // namespace torval
