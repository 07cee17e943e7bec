#include "datafiles/GroundwaterSpeciesReader.h"

#include "concentration/Normalisation.h"
#include "core/datafiles/GroundwaterReaderTesting.h"
#include "core/datafiles/ReaderTestFiles.h"

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
using testing::readGroundwaterPath;
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

// Each species is made current in turn: its layout, cells or Monte Carlo values 1..count-1 and
// results reach the data set, whose shared axes stay as read.
TEST(GroundwaterSpeciesReader, ReadsEachSpeciesBody) {
    struct Case {
        std::string file;
        std::string summary; // summaryOf
        std::vector<std::string> names = {};
        std::string initials = "", x = "", y = "", z = "", t = "";
        std::vector<std::string> cellsOrMonteCarlo = {}; // of each species
    };
    // clang-format off
    const std::vector<Case> cases = {
        // Capitals in "CHEMICAL NUMBER:", a name holding commas, a species source of 0.
        {"three-species.mc1", "One Dimensional|0:10:10|||1:2:1|5|||1|Concentration Grid|11|2|-1|-1|2|-1|50",
         {"TCE", "DCE, cis-1,2-", "Vinyl chloride"}, "50 2.5 0", "0 10", "", "", "1 2",
         {"50 50 1 2", "2.5 2.5 3 4", "0 0 5 6"}},
        {"montecarlo.mc1", "One Dimensional|0:10:10|||1:2:1|5|||1|Monte Carlo|0|-1|-1|-1|-1|3|30",
         {"PCE", "TCE"}, "30 0.5", "", "", "", "", {"11 12", "21 22"}},
        {"two-species.mc2", "Two Dimensional|0:10:10|0:0:0||1:2:1|10|0||2|Concentration Grid|14|2|1|-1|2|-1|30",
         {"PCE", "TCE"}, "30 0.5", "0 10", "0", "", "1 2", {"30 30 1 2", "0.5 0.5 3 4"}},
        {"two-species.mc3", "Three Dimensional|0:10:10|0:0:0|0:2:2|1:2:1|10|0|2|2|Concentration Grid|17|2|1|2|2|-1|30",
         {"PCE", "TCE"}, "30 0.5", "0 10", "0", "0 2", "1 2",
         {"30 30 29 28 1.1 2.1 1.2 2.2", "0.5 0.5 0.4 0.3 3.1 4.1 3.2 4.2"}},
        {"dirichlet.mcu", "Unsaturated One Dimensional|0:1:1|||1:1:0|1|||1|Concentration Grid|11|2|-1|-1|1|-1|30",
         {"PCE", "TCE"}, "30 0.5", "0 1", "", "", "1", {"30 7", "0.5 0.25"}},
        // A species file of a model without a species body: the data set stays as reset.
        {"time-varying.mc1", "Time Varying||||||||||-1|-1|-1|-1|-1|-1|-1"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        GroundwaterRead read = readGroundwaterPath(groundwaterFixture(c.file));
        ASSERT_TRUE(read.accepted);
        EXPECT_TRUE(read.messages.empty());
        ModelDataSet& data = read.state.modelData;
        EXPECT_EQ(summaryOf(data), c.summary);
        ASSERT_EQ(data.ChemicalCount, static_cast<int>(std::max<std::size_t>(c.names.size(), 1)));
        if (!c.names.empty()) {
            expectRecordsDescribeTheFile(data);
        }
        testing::expectAxes(data, {c.x, c.y, c.z, c.t});
        for (std::int16_t s = 1; s <= static_cast<std::int16_t>(c.names.size()); ++s) {
            SCOPED_TRACE("species " + std::to_string(s));
            EXPECT_EQ(data.ChemicalNames.at(s), c.names[s - 1]);
            EXPECT_EQ(data.SpeciesData.at(s).InitialConcentration, numbers(c.initials)[s - 1]);
            data.SpeciesData.at(s).MaximumConcentration = s;
            data.SpeciesData.at(s).AverageConcentration = -s;
            SelectSpecies(data, s);
            EXPECT_EQ(data.MaximumConcentration, s);
            EXPECT_EQ(data.AverageConcentration, -s);
            EXPECT_THAT(data.DataType == 0
                            ? usedValues(data.McIterationValues, data.McIterationCount - 1)
                            : gridCells(data),
                        Pointwise(DoubleEq(), numbers(c.cellsOrMonteCarlo[s - 1])));
            EXPECT_EQ(summaryOf(data), c.summary);
        }
    }
}

TEST(GroundwaterSpeciesReader, AFileWithoutAChemicalNumberLineHasOneSpecies) {
    std::string text = fileText(groundwaterFixture("montecarlo.mc1"));
    const std::vector<std::pair<std::string, std::string>> secondSpeciesRemoved = {
        {"Chemical Number: 2", "Species listed below"},
        {"PCE\nTCE\nDecay Coefficients\n0.1\n0.2\nRetardation Factors\n2\n2\n",
         "PCE\nDecay Coefficients\n0.1\nRetardation Factors\n2\n"},
        {"0\n0.8\nSource Concentrations\n30\n0.5\n", "0\nSource Concentrations\n30\n"},
        {"TCE\n21\n22\n", ""},
    };
    for (const auto& [find, replacement] : secondSpeciesRemoved) {
        text = withReplaced(text, find, replacement);
    }
    const GroundwaterRead read = readGroundwaterText(text, Medium::GroundwaterMultipleSpecies);
    ASSERT_TRUE(read.accepted);
    EXPECT_EQ(read.data().ChemicalCount, 1);
    EXPECT_EQ(read.data().ChemicalNames.at(1), "PCE");
    EXPECT_EQ(read.data().SpeciesData.upper(), 1);
    EXPECT_EQ(usedValues(read.data().SpeciesData.at(1).McIterationValues, 2),
              (std::vector<double>{11, 12}));
}

} // namespace
} // namespace torval
