#include "datafiles/ModelDataSetOps.h"

#include "datafiles/DataLayout.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

BoundedArray<double, 1> seriesOf(std::vector<double> values, double atZero = 0.0) {
    BoundedArray<double, 1> series;
    series.redim({0, static_cast<BoundedArray<double, 1>::Index>(values.size())});
    series.at(0) = atZero;
    for (std::size_t i = 0; i < values.size(); ++i) {
        series.at(static_cast<BoundedArray<double, 1>::Index>(i + 1)) = values[i];
    }
    return series;
}

// Every field away from its reset value.
ModelDataSet loadedDataSet() {
    ModelDataSet data;
    data.DataFileName = "/data/plume.gas";
    data.ModelName = "Air";
    data.SubModelName = "Gaussian Model";
    data.SubTypeName = "Estuary";
    data.AquiferName = "Sand";
    data.ContaminantName = "Benzene";
    data.ChemicalCount = 2;
    data.CurrentChemical = 2;
    data.ChemicalNames.redim({0, 2});
    data.ChemicalNames.at(1) = "Benzene";
    data.AirChemicalData.redim({0, 2});
    data.SpeciesData.redim({0, 1});
    data.DataType = 17;
    data.McIterationCount = 5;
    data.McIterationValues = seriesOf({1, 2, 3, 4});
    data.MCCoordX = "1";
    data.MCCoordY = "2";
    data.MCCoordZ = "3";
    data.MCCoordT = "4";
    data.ModelResult = "0.5";
    data.InitialConcentration = 12.0;
    data.MaximumConcentration = 9.0;
    data.AverageConcentration = 4.0;
    data.ConcentrationGrid.redim({0, 1}, {0, 1}, {0, 1}, {0, 1});
    data.ConcentrationGrid.at(1, 1, 1, 1) = 3.0;
    data.TRange = "0:10:5";
    data.XRange = "0:100:10";
    data.YRange = "0:50:10";
    data.ZRange = "0:2:1";
    data.XValues = seriesOf({0, 10});
    data.YValues = seriesOf({0});
    data.ZValues = seriesOf({0, 1});
    data.TValues = seriesOf({5});
    data.NumX = 11;
    data.NumY = 6;
    data.NumZ = 3;
    data.NumT = 3;
    data.MaxNumX = 20;
    data.MaxNumY = 21;
    data.MaxNumZ = 22;
    data.MaxNumT = 23;
    data.MaxMcIterationCount = 100;
    data.TimeUnit = "sec";
    data.LengthUnit = "meters";
    data.ConcentrationUnit = "mg/m3";
    return data;
}

// Comparing whole data sets catches a field cleared that must stay as well as one forgotten.
TEST(ResetModelDataSet, ClearsWhatAReaderFillsAndKeepsTheRest) {
    ModelDataSet data = loadedDataSet();
    ModelDataSet expected = data;
    for (std::string* text :
         {&expected.SubModelName, &expected.SubTypeName, &expected.AquiferName,
          &expected.ContaminantName, &expected.ModelResult, &expected.TRange, &expected.XRange,
          &expected.YRange, &expected.ZRange, &expected.MCCoordX, &expected.MCCoordY,
          &expected.MCCoordZ, &expected.MCCoordT, &expected.TimeUnit, &expected.LengthUnit,
          &expected.ConcentrationUnit}) {
        *text = "";
    }
    expected.DataType = -1;
    expected.McIterationCount = -1;
    expected.NumX = expected.NumY = expected.NumZ = expected.NumT = -1;
    expected.InitialConcentration = -1.0;
    expected.ChemicalCount = 1;

    ResetModelDataSet(data);
    EXPECT_TRUE(data == expected);
    EXPECT_EQ(data.CurrentChemical, 2);
    EXPECT_EQ(data.ConcentrationGrid.at(1, 1, 1, 1), 3.0);
    EXPECT_EQ(data.MaxNumT, 23);
    EXPECT_TRUE(ModelDataSet() == [] {
        ModelDataSet fresh;
        ResetModelDataSet(fresh);
        return fresh;
    }());
}

// Chemical 1 is an X-Y-Z-T grid, 2 holds Monte Carlo values, 3 a single value; element 0 of
// each record array holds -99, which must not travel.
ModelDataSet airDataSet() {
    ModelDataSet data;
    data.ModelName = "Air";
    data.ChemicalCount = 3;
    data.AirChemicalData.redim({0, 3});

    ChemicalDataRecord& grid = data.AirChemicalData.at(1);
    grid.DataType = 17;
    grid.XRange = "0:10:10";
    grid.YRange = "5";
    grid.ZRange = "0:1:1";
    grid.TRange = "60";
    grid.NumX = 2;
    grid.NumY = 1;
    grid.NumZ = 2;
    grid.NumT = 1;
    grid.XValues = seriesOf({0, 10}, -99);
    grid.YValues = seriesOf({5}, -99);
    grid.ZValues = seriesOf({0, 1}, -99);
    grid.TValues = seriesOf({60}, -99);
    grid.ConcentrationGrid.redim({0, 2}, {0, 1}, {0, 2}, {0, 1});
    grid.ConcentrationGrid.at(0, 1, 1, 1) = -99;
    grid.ConcentrationGrid.at(1, 1, 1, 1) = 1.5;
    grid.ConcentrationGrid.at(2, 1, 2, 1) = 2.5;
    grid.ModelResult = "grid";
    grid.MaximumConcentration = 2.5;
    grid.AverageConcentration = 1.0;

    ChemicalDataRecord& monteCarlo = data.AirChemicalData.at(2);
    monteCarlo.DataType = 0;
    monteCarlo.McIterationCount = 4;
    monteCarlo.McIterationValues = seriesOf({0.1, 0.2, 0.3}, -99);
    monteCarlo.ModelResult = "Monte Carlo";
    monteCarlo.MaximumConcentration = 0.3;
    monteCarlo.AverageConcentration = 0.2;

    ChemicalDataRecord& single = data.AirChemicalData.at(3);
    single.DataType = 2;
    single.NumX = single.NumY = single.NumZ = single.NumT = 0;
    single.ModelResult = "0.75";
    single.MaximumConcentration = 0.75;
    single.AverageConcentration = 0.75;
    return data;
}

TEST(SelectAirChemical, CopiesTheGridRecordFromIndexOne) {
    ModelDataSet data = airDataSet();
    SelectAirChemical(data, 1);
    EXPECT_EQ(data.DataType, 17);
    EXPECT_EQ(data.XRange, "0:10:10");
    EXPECT_EQ(data.TRange, "60");
    EXPECT_EQ(data.NumX, 2);
    EXPECT_EQ(data.NumZ, 2);
    EXPECT_EQ(data.XValues, seriesOf({0, 10}));
    EXPECT_EQ(data.YValues, seriesOf({5}));
    EXPECT_EQ(data.ZValues, seriesOf({0, 1}));
    EXPECT_EQ(data.TValues, seriesOf({60}));
    ASSERT_EQ(data.ConcentrationGrid.rank(), 4u);
    EXPECT_EQ(data.ConcentrationGrid.upper(1), 2);
    EXPECT_EQ(data.ConcentrationGrid.upper(4), 1);
    EXPECT_EQ(data.ConcentrationGrid.at(1, 1, 1, 1), 1.5);
    EXPECT_EQ(data.ConcentrationGrid.at(2, 1, 2, 1), 2.5);
    EXPECT_EQ(data.ConcentrationGrid.at(0, 1, 1, 1), 0.0);
    EXPECT_EQ(data.ModelResult, "grid");
    EXPECT_EQ(data.MaximumConcentration, 2.5);
    EXPECT_EQ(data.AverageConcentration, 1.0);
}

TEST(SelectAirChemical, Failures) {
    struct Case {
        const char* name;
        std::function<void(ModelDataSet&)> spoil;
        std::int16_t index;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"index beyond the records", [](ModelDataSet&) {}, 4},
        {"index 0", [](ModelDataSet&) {}, 0},
        {"no records", [](ModelDataSet& d) { d.AirChemicalData.erase(); }, 1},
        {"index beyond the chemical count", [](ModelDataSet& d) { d.ChemicalCount = 2; }, 3},
        {"count beyond the record's axis", [](ModelDataSet& d) { d.AirChemicalData.at(1).NumX = 3; }, 1},
        {"Monte Carlo count of 0", [](ModelDataSet& d) { d.AirChemicalData.at(2).McIterationCount = 0; }, 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelDataSet data = airDataSet();
        c.spoil(data);
        EXPECT_EQ(codeOf([&] { SelectAirChemical(data, c.index); }),
                  ErrorCode::SubscriptOutOfRange);
    }
}

TEST(SelectSpecies, CopiesTheSpeciesGridAndKeepsTheSharedAxes) {
    ModelDataSet data;
    data.ModelName = "Groundwater";
    data.ChemicalCount = 2;
    data.DataType = 11;
    data.NumX = 2;
    data.NumT = 3;
    data.XRange = "0:10:10";
    data.XValues = seriesOf({0, 10});
    data.TValues = seriesOf({1, 2, 3});
    data.SpeciesData.redim({1, 2});
    ChemicalDataRecord& second = data.SpeciesData.at(2);
    second.DataType = 11;
    second.ConcentrationGrid.redim({1, 2}, {1, 3});
    second.ConcentrationGrid.at(2, 3) = 6.5;
    second.ConcentrationGrid.at(1, 1) = 0.5;
    second.ModelResult = "regular";
    second.MaximumConcentration = 6.5;
    second.AverageConcentration = 2.0;
    ChemicalDataRecord& first = data.SpeciesData.at(1);
    first.DataType = 0;
    first.McIterationCount = 3;
    first.McIterationValues = seriesOf({7, 8});

    SelectSpecies(data, 2);
    EXPECT_EQ(data.DataType, 11);
    ASSERT_EQ(data.ConcentrationGrid.rank(), 2u);
    EXPECT_EQ(data.ConcentrationGrid.lower(1), 0);
    EXPECT_EQ(data.ConcentrationGrid.upper(2), 3);
    EXPECT_EQ(data.ConcentrationGrid.at(2, 3), 6.5);
    EXPECT_EQ(data.ConcentrationGrid.at(1, 1), 0.5);
    EXPECT_EQ(data.NumX, 2);
    EXPECT_EQ(data.NumT, 3);
    EXPECT_EQ(data.XRange, "0:10:10");
    EXPECT_EQ(data.TValues, seriesOf({1, 2, 3}));
    EXPECT_EQ(data.MaximumConcentration, 6.5);

    SelectSpecies(data, 1);
    EXPECT_EQ(data.DataType, 0);
    EXPECT_EQ(data.McIterationValues, seriesOf({7, 8}));
    EXPECT_EQ(data.ConcentrationGrid.at(2, 3), 6.5);
}

TEST(AxisValuesFromRange, BuildsCoordinatesFromIndexOne) {
    struct Case {
        std::string range;
        std::vector<double> coordinates;
        int code;
    };
    const std::vector<Case> cases = {
        {"0:100:25", {0, 25, 50, 75, 100}, 0},
        {"5", {5}, 0},
        {"0:10:0", {0}, 0},
        {"10:0:-5", {10, 5, 0}, 0},
        {"0:10:4", {0, 4, 8, 12}, 0},
        {"0:10", {}, ErrorCode::IllegalFunctionCall},
        {"10:0:5", {}, ErrorCode::SubscriptOutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        BoundedArray<double, 1> values = seriesOf({-1, -2});
        EXPECT_EQ(codeOf([&] { AxisValuesFromRange(c.range, values); }), c.code);
        EXPECT_EQ(values, c.code == 0 ? seriesOf(c.coordinates) : seriesOf({-1, -2}));
    }
}

} // namespace
} // namespace torval
