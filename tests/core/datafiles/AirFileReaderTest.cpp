#include "datafiles/AirFileReader.h"

#include "core/datafiles/ReaderTestFiles.h"
#include "datafiles/ModelDataSetOps.h"
#include "datafiles/SurfaceWaterFileReader.h"
#include "support/RecordingPrompter.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;
using testing::fileText;
using testing::RecordingPrompter;
using testing::testDataDirectory;

const std::string PerCubicMetre = std::string("/m") + '\xB3';

std::filesystem::path fixture(const std::string& name) {
    return testDataDirectory() / "air" / name;
}

ModelDataSet readFixture(const std::string& name) {
    AppState state;
    RecordingPrompter prompter;
    const bool read = ReadAirDataFile(state, prompter, fixture(name).string());
    EXPECT_TRUE(read) << name;
    EXPECT_TRUE(prompter.messages.empty()) << name;
    return state.modelData;
}

template <typename Record>
std::vector<double> monteCarloValues(const Record& record) {
    return testing::allValues(record.McIterationValues);
}

TEST(AirFileReader, BoxChemicalsShareTheResultAndKeepTheirOwnSeries) {
    const ModelDataSet data = readFixture("two-chemicals.box");
    EXPECT_EQ(data.SubModelName, "Box Model");
    EXPECT_EQ(data.ChemicalCount, 2);
    EXPECT_EQ(data.ChemicalNames.at(2), "Toluene");
    EXPECT_EQ(data.McIterationCount, 3);
    EXPECT_EQ(data.ConcentrationUnit, "mg" + PerCubicMetre);
    EXPECT_EQ(data.LengthUnit, "");
    EXPECT_EQ(data.TimeUnit, "");

    const ChemicalDataRecord& constant = data.AirChemicalData.at(1);
    EXPECT_EQ(constant.DataType, 2);
    EXPECT_EQ(constant.ModelResult, "0.0042");
    EXPECT_EQ(monteCarloValues(constant), (std::vector<double>{0, 0.001, 0.002, 0}));
    EXPECT_EQ(constant.NumX, 0);
    EXPECT_EQ(constant.NumT, 0);
    EXPECT_EQ(constant.XRange, "");

    // "MONTE CARLO" in capitals still announces the series.
    const ChemicalDataRecord& varied = data.AirChemicalData.at(2);
    EXPECT_EQ(varied.DataType, 0);
    EXPECT_EQ(varied.ModelResult, "0.0042");
    EXPECT_EQ(varied.McIterationCount, 3);
    EXPECT_EQ(monteCarloValues(varied), (std::vector<double>{0, 0.011, 0.012, 0}));
}

// Each chemical is made current in turn, which copies its record from index 1: element 0 of
// the record's arrays does not travel, and arrays a layout lacks stay as they were.
TEST(AirFileReader, GaussianChemicalsGiveFourIndexGridsOrASeries) {
    ModelDataSet data = readFixture("three-chemicals.gas");
    EXPECT_EQ(data.SubModelName, "Gaussian Model");
    EXPECT_EQ(data.ChemicalCount, 3);
    EXPECT_EQ(data.CurrentChemical, 1);
    EXPECT_EQ(data.ChemicalNames.at(3), "Trichloroethylene");
    EXPECT_EQ(data.MaxMcIterationCount, 4);
    EXPECT_EQ(data.MaxNumX, 2);
    EXPECT_EQ(data.MaxNumY, 1);
    EXPECT_EQ(data.MaxNumZ, 2);
    EXPECT_EQ(data.MaxNumT, 2);
    EXPECT_EQ(data.ConcentrationUnit, "mg" + PerCubicMetre);
    EXPECT_EQ(data.LengthUnit, "meters");
    EXPECT_EQ(data.TimeUnit, "sec");
    // A Monte Carlo wind: MaxMcIterationCount - 1 values, and the data set's count too.
    EXPECT_EQ(data.McIterationCount, 4);
    EXPECT_EQ(monteCarloValues(data.AirChemicalData.at(2)),
              (std::vector<double>{0, 0.25, 0.5, 0.75, 0}));
    EXPECT_EQ(testing::allValues(data.AirChemicalData.at(1).XValues),
              (std::vector<double>{0, 0, 10}));
    for (std::int16_t i = 1; i <= 3; ++i) {
        data.AirChemicalData.at(i).MaximumConcentration = i;
        data.AirChemicalData.at(i).AverageConcentration = -i;
    }
    data.AirChemicalData.at(1).XValues.at(0) = -99;
    data.AirChemicalData.at(1).ConcentrationGrid.at(0, 1, 1, 1) = -99;

    // Source type 1: the grid has a time axis. Each cell holds the digits of its indexes.
    SelectAirChemical(data, 1);
    EXPECT_EQ(data.DataType, 17);
    EXPECT_EQ(data.XRange, "0:10:10");
    EXPECT_EQ(data.YRange, "5:5:0");
    EXPECT_EQ(data.ZRange, "0:2:2");
    EXPECT_EQ(data.TRange, "0:60:60");
    EXPECT_EQ(testing::allValues(data.XValues), (std::vector<double>{0, 0, 10}));
    EXPECT_EQ(testing::allValues(data.YValues), (std::vector<double>{0, 5}));
    EXPECT_EQ(testing::allValues(data.TValues), (std::vector<double>{0, 0, 60}));
    EXPECT_EQ(testing::gridCells(data),
              testing::numbers("1111 1112 1121 1122 2111 2112 2121 2122"));
    EXPECT_EQ(data.ConcentrationGrid.at(0, 1, 1, 1), 0.0);
    EXPECT_EQ(data.MaximumConcentration, 1);
    EXPECT_EQ(data.AverageConcentration, -1);

    SelectAirChemical(data, 2);
    EXPECT_EQ(data.DataType, 0);
    EXPECT_EQ(data.McIterationCount, 4);
    EXPECT_EQ(monteCarloValues(data), (std::vector<double>{0, 0.25, 0.5, 0.75}));
    EXPECT_EQ(testing::allValues(data.XValues), (std::vector<double>{0, 0, 10}));
    EXPECT_EQ(data.MaximumConcentration, 2);

    // Any other source type: X-Y-Z, still with a time index.
    SelectAirChemical(data, 3);
    EXPECT_EQ(data.DataType, 10);
    EXPECT_EQ(data.NumT, 1);
    EXPECT_EQ(data.ConcentrationGrid.at(2, 1, 1, 1), 0.25);
    EXPECT_EQ(data.AverageConcentration, -3);
}

// Each case changes one thing in a valid air or surface-water fixture (a few need a second
// edit to stay consistent elsewhere).
TEST(DataFileReaders, RefuseMisplacedMarkersAndImpossibleCounts) {
    struct Edit {
        std::string find;
        std::string replacement;
    };
    struct Case {
        std::string name;
        std::string fixture;
        std::string find;
        std::string replacement;
        int code;
        std::vector<Edit> moreEdits = {};
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"another version", "air/two-chemicals.box", "Version 2.0", "Version 2.01", 62},
        {"unknown model", "air/two-chemicals.box", "Box Model\r\n", "Box model\r\n", 62},
        {"no chemicals", "air/two-chemicals.box", "\r\n2\r\n", "\r\n0\r\n", 776},
        {"a negative number of chemicals", "air/two-chemicals.box", "\r\n2\r\n", "\r\n-2\r\n", 62},
        {"chemicals beyond 16 bits", "air/two-chemicals.box", "\r\n2\r\n", "\r\n40000\r\n", 6},
        {"more chemicals than the file holds", "air/two-chemicals.box", "\r\n2\r\n", "\r\n9000\r\n", 62},
        {"chemical list marker", "air/two-chemicals.box", "[End Model Chemicals]", "[End Model Chemical]", 62},
        {"emission marker", "air/two-chemicals.box", "[End --- from emission model]", "[End -- from emission model]", 62},
        {"Monte Carlo count beyond the file", "air/two-chemicals.box", "\r\n3\r\nBenzene", "\r\n30000\r\nBenzene", 62},
        {"a Monte Carlo chemical without iterations",
         "air/two-chemicals.box",
         "\r\n3\r\nBenzene",
         "\r\n0\r\nBenzene",
         62,
         {{"0.001, 0.002\r\n", ""}, {"0.011\r\n0.012\r\n", ""}}},
        {"a Monte Carlo wind without iterations",
         "air/three-chemicals.gas",
         "4, 2, 1, 2, 2",
         "0, 2, 1, 2, 2",
         62,
         {{"0.25, 0.5, 0.75\r\n", ""}}},
        {"chemical number in its marker", "air/three-chemicals.gas", "[Begin Chemical 2 ]", "[Begin Chemical 3 ]", 62},
        {"plume rise lines cut short", "air/three-chemicals.gas", "Average Time (min) = 60", "Averaging Time (min) = 60", 62},
        {"grid counts claim 30000 points on every axis", "air/three-chemicals.gas",
         "\r\n2, 2, 1, 2\r\n", "\r\n30000, 30000, 30000, 30000\r\n", 62},
        {"a grid count beyond 16 bits", "air/three-chemicals.gas", "\r\n2, 2, 1, 2\r\n", "\r\n2, 2, 1, 40000\r\n", 6},
        {"more X points than its range gives", "air/three-chemicals.gas", "\r\n2, 2, 1, 2\r\n", "\r\n2, 3, 1, 2\r\n", 62},
        {"a range running backwards", "air/three-chemicals.gas", "0, 10, 10\r\n5, 5, 0", "10, 0, 10\r\n5, 5, 0", 62},
        {"Monte Carlo values marker", "air/three-chemicals.gas",
         "[Begin Monte Carlo Result Values : 2 ]", "[Begin Monte Carlo Values : 2 ]", 62},
        {"a fourth Monte Carlo value where the chemical ends", "air/three-chemicals.gas",
         "0.25, 0.5, 0.75\r\n", "0.25, 0.5\r\n", 62},
        {"a file that ends early", "air/two-chemicals.ind", "[End Chemical 2 ]\r\n", "", 62},
        {"file marker", "surface/estuary.est", "[Begin Surface Model Data File]", "[Begin Surface Model Data file]", 62},
        {"no marker after the result", "surface/estuary.est", "[Begin Regular Output]", "", 62},
        {"regular output end marker", "surface/estuary.est", "[End Regular Output]", "[End Regular Outputs]", 62},
        {"Monte Carlo output marker", "surface/montecarlo.est", "[Begin Monte Carlo Output]", "[Begin Monte Carlo Data]", 62},
        {"Monte Carlo output end marker", "surface/montecarlo.est", "[End Monte Carlo Output]", "[End Monte Carlo Data]", 62},
        {"one Monte Carlo value more than counted", "surface/montecarlo.est", "0.0033\r\n", "0.0033, 0.0034\r\n", 62},
        {"Monte Carlo count beyond the file", "surface/montecarlo.est", "\r\n4\r\n", "\r\n20000\r\n", 62},
        {"Monte Carlo count beyond 16 bits", "surface/montecarlo.est", "\r\n4\r\n", "\r\n32768\r\n", 6},
        {"negative Monte Carlo count", "surface/montecarlo.est", "\r\n4\r\n", "\r\n-4\r\n", 62},
        {"Monte Carlo result without iterations", "surface/montecarlo.est", "\r\n4\r\n0.0031, 0.0032\r\n0.0033", "\r\n0\r\n", 62},
        {"grid claims 30000 points on each axis", "surface/ocean.oce", "2, 2\r\n", "30000, 30000\r\n", 62},
        {"negative grid count", "surface/ocean.oce", "2, 2\r\n", "2, -2\r\n", 62},
        {"more points than the range gives", "surface/ocean.oce", "2, 2\r\n", "2, 3\r\n", 62},
        {"range with a from and no to", "surface/ocean.oce", "100:200:100,", "100:200,", 5},
        {"dispersion that is not a number", "surface/moving.rvr", "2.5E+01", "2.5E+01 m2/s", 13},
        {"negative count of size fractions", "surface/onishi.riv", "3, Sediment", "-3, Sediment", 62},
        {"count of layers beyond the file", "surface/bed.riv", "Layers, 2", "Layers, 3", 62},
        {"a box-model lake followed by a foreign item", "surface/lakebox.lak", "[Begin Regular Output]",
         "[Begin Regular Output ]", 62},
        {"near-field result missing", "surface/outfall.spd", "0.005\r\n", "", 62},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text =
            testing::withReplaced(fileText(testDataDirectory() / c.fixture), c.find, c.replacement);
        for (const Edit& edit : c.moreEdits) {
            text = testing::withReplaced(text, edit.find, edit.replacement);
        }
        FreeFormatReader reader(text);
        ModelDataSet data;
        EXPECT_EQ(codeOf([&] {
                      if (c.fixture.starts_with("air/")) {
                          ReadAirData(reader, data);
                      } else {
                          ReadSurfaceWaterData(reader, data);
                      }
                  }),
                  c.code);
    }
}

TEST(AirFileReader, ARefusedVersionStoresNothing) {
    FreeFormatReader reader(fileText(fixture("broken-version.box")));
    ModelDataSet data;
    data.SubModelName = "before";
    EXPECT_EQ(codeOf([&] { ReadAirData(reader, data); }), 62);
    EXPECT_EQ(data, [] {
        ModelDataSet untouched;
        untouched.SubModelName = "before";
        return untouched;
    }());
}

// Every file cut after any of its lines either loads or fails with a run-time code; a file
// that loads has records every chemical of which can be made current.
TEST(AirFileReader, EveryPrefixOfEveryFileLoadsOrFailsWithItsCode) {
    testing::forEveryPrefix(
        fixture(""), "air", 4, [](const auto& file, const std::string& prefix, bool whole, bool) {
            FreeFormatReader reader(prefix);
            ModelDataSet data;
            const int code = codeOf([&] { ReadAirData(reader, data); });
            for (std::int16_t i = 1; code == 0 && i <= data.ChemicalCount; ++i) {
                EXPECT_EQ(codeOf([&] { SelectAirChemical(data, i); }), 0);
            }
            if (whole) {
                EXPECT_EQ(code == 0, !testing::isBrokenFixture(file));
            }
        });
}

TEST(SelectAirChemical, Failures) {
    struct Case {
        const char* name;
        std::function<void(ModelDataSet&)> spoil;
        std::int16_t index;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"index 0", [](ModelDataSet&) {}, 0},
        {"no records", [](ModelDataSet& d) { d.AirChemicalData.erase(); }, 1},
        {"index beyond the chemical count", [](ModelDataSet& d) { d.ChemicalCount = 2; }, 3},
        {"count beyond the record's axis", [](ModelDataSet& d) { d.AirChemicalData.at(1).NumX = 3; }, 1},
        {"Monte Carlo count of 0", [](ModelDataSet& d) { d.AirChemicalData.at(2).McIterationCount = 0; }, 2},
    };
    // clang-format on
    const ModelDataSet read = readFixture("three-chemicals.gas");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelDataSet data = read;
        c.spoil(data);
        EXPECT_EQ(codeOf([&] { SelectAirChemical(data, c.index); }),
                  ErrorCode::SubscriptOutOfRange);
    }
}

} // namespace
} // namespace torval
