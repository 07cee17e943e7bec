#include "datafiles/ModelDataSetOps.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

BoundedArray<double, 1> seriesOf(std::vector<double> values) {
    BoundedArray<double, 1> series;
    series.redim({0, static_cast<BoundedArray<double, 1>::Index>(values.size())});
    for (std::size_t i = 0; i < values.size(); ++i) {
        series.at(static_cast<BoundedArray<double, 1>::Index>(i + 1)) = values[i];
    }
    return series;
}

// The text fields a reader fills, which the reset clears.
const std::vector<std::string ModelDataSet::*> ReaderTexts = {
    &ModelDataSet::SubModelName,     &ModelDataSet::SubTypeName, &ModelDataSet::AquiferName,
    &ModelDataSet::ContaminantName,  &ModelDataSet::ModelResult, &ModelDataSet::TRange,
    &ModelDataSet::XRange,           &ModelDataSet::YRange,      &ModelDataSet::ZRange,
    &ModelDataSet::MCCoordX,         &ModelDataSet::MCCoordY,    &ModelDataSet::MCCoordZ,
    &ModelDataSet::MCCoordT,         &ModelDataSet::TimeUnit,    &ModelDataSet::LengthUnit,
    &ModelDataSet::ConcentrationUnit};

// Every field is set away from its reset value; comparing whole data sets catches a field
// cleared that must stay as well as one forgotten.
TEST(ResetModelDataSet, ClearsWhatAReaderFillsAndKeepsTheRest) {
    ModelDataSet data;
    for (const auto text : ReaderTexts) {
        data.*text = "set";
    }
    data.DataFileName = "/data/plume.gas";
    data.ModelName = "Air";
    data.ChemicalCount = data.CurrentChemical = 2;
    data.ChemicalNames.redim({0, 2});
    data.AirChemicalData.redim({0, 2});
    data.SpeciesData.redim({0, 1});
    data.DataType = 17;
    data.McIterationCount = 5;
    data.McIterationValues = seriesOf({1, 2, 3, 4});
    data.InitialConcentration = 12.0;
    data.MaximumConcentration = 9.0;
    data.AverageConcentration = 4.0;
    data.ConcentrationGrid.redim({0, 1}, {0, 1}, {0, 1}, {0, 1});
    data.XValues = data.YValues = data.ZValues = data.TValues = seriesOf({0, 10});
    data.NumX = data.NumY = data.NumZ = data.NumT = 3;
    data.MaxNumX = data.MaxNumY = data.MaxNumZ = data.MaxNumT = data.MaxMcIterationCount = 20;

    ModelDataSet expected = data;
    for (const auto text : ReaderTexts) {
        expected.*text = "";
    }
    expected.DataType = expected.McIterationCount = -1;
    expected.NumX = expected.NumY = expected.NumZ = expected.NumT = -1;
    expected.InitialConcentration = -1.0;
    expected.ChemicalCount = 1;

    ResetModelDataSet(data);
    EXPECT_TRUE(data == expected);
    EXPECT_TRUE(ModelDataSet() == [] {
        ModelDataSet fresh;
        ResetModelDataSet(fresh);
        return fresh;
    }());
}

TEST(AxisValuesFromRange, BuildsCoordinatesFromIndexOne) {
    struct Case {
        std::string range;
        std::vector<double> coordinates;
        int code;
    };
    const std::vector<Case> cases = {
        {"0:100:25", {0, 25, 50, 75, 100}, 0},
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
