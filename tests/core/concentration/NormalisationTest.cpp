#include "concentration/Normalisation.h"

#include "concentration/UnitTexts.h"
#include "core/concentration/GridFixtures.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "support/CodeOf.h"

#include <array>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;
using ::testing::DoubleEq;
using ::testing::Pointwise;

using testing::cellsOf;
using testing::gridOf;
using testing::Index;
using testing::indexZeroCellsIntact;
using testing::valuesOf;

constexpr std::int16_t SingleSpecies = 2;
constexpr std::int16_t MultipleSpecies = 6;

using PointCounts = std::array<std::int16_t, 4>; // NumX, NumY, NumZ, NumT

template <typename Record>
void setGrid(Record& record, std::int16_t dataType, const std::vector<Index>& uppers,
             const std::vector<double>& cells, PointCounts counts) {
    record.DataType = dataType;
    record.ConcentrationGrid = gridOf(uppers, cells);
    record.NumX = counts[0];
    record.NumY = counts[1];
    record.NumZ = counts[2];
    record.NumT = counts[3];
    record.MaximumConcentration = -7.0; // what an untreated record keeps
    record.AverageConcentration = -8.0;
}

template <typename Record>
void setMonteCarlo(Record& record, std::int16_t count, const std::vector<double>& values) {
    record.DataType = 0;
    record.McIterationCount = count;
    record.McIterationValues = valuesOf(values);
}

template <typename Record>
void setSingleValue(Record& record, std::int16_t dataType, const std::string& result) {
    record.DataType = dataType;
    record.ModelResult = result;
    record.MaximumConcentration = -7.0;
    record.AverageConcentration = -8.0;
}

TEST(ConcentrationUnitFactor, FirstTokenContainedDecides) {
    struct Case {
        std::string unit;
        double factor;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {" MG/M3 ", 0.001},
        {"kg/m3", 1000},
        {"mg/l", 1},
        {"mg/ml", 0.001},
        {"ug/l", 0.001},
        {"ppb", 0.001},
        {"mg/ft3", 1 / 28.3},
        {"mg/inch3", 1 / 0.0164},
        {"mg/cm3", 1000},
        {"g/m\xB3", 1},
        {"kg/m3 or mg/m3", 0.001}, // "mg/m" is tried before "kg/m"
        {"ppb or ppm", 1},         // "ppm" is tried before "ppb"
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.unit + "\"");
        EXPECT_EQ(ConcentrationUnitFactor(c.unit), c.factor);
    }
}

TEST(NormaliseDataSet, ScalesTheDataSetsOwnGridByLayout) {
    struct Case {
        const char* name;
        std::int16_t dataType;
        std::vector<Index> uppers;
        std::vector<double> cells;
        PointCounts counts;
        std::string unit;
        std::vector<double> scaled;
        double maximum;
        double average;
        int code;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"X", 3, {3}, {1, 2, 3}, {3, -1, -1, -1}, "kg/m3", {1000, 2000, 3000}, 3000, 2000, 0},
        {"Y counts NumY", 4, {2}, {4, -6}, {9, 2, -1, -1}, "kg/m3", {4000, -6000}, 4000, -1000, 0},
        {"T over part of the grid", 6, {3}, {1, 2, 3}, {-1, -1, -1, 2}, "kg/m3", {1000, 2000, 3}, 2000, 1500, 0},
        {"Z-T", 13, {2, 1}, {5, 7}, {-1, -1, 2, 1}, "kg/m3", {5000, 7000}, 7000, 6000, 0},
        {"X-Y-Z", 10, {1, 2, 2}, {1, 2, 3, 4}, {1, 2, 2, -1}, "mg/m3", {0.001, 0.002, 0.003, 0.004}, 0.004, 0.0025, 0},
        {"Y-Z-T", 16, {1, 1, 2}, {-1, -3}, {-1, 1, 1, 2}, "kg/m3", {-1000, -3000}, -1000, -2000, 0},
        {"X-Y-Z-T", 17, {1, 2, 1, 2}, {1, 2, 3, 6}, {1, 2, 1, 2}, "kg/m3", {1000, 2000, 3000, 6000}, 6000, 3000, 0},
        {"axis of no points", 3, {2}, {1, 2}, {0, -1, -1, -1}, "kg/m3", {1, 2}, -1E20, 0, 0},
        {"grid of another rank", 7, {2}, {1, 2}, {2, 1, -1, -1}, "kg/m3", {}, 0, 0, ErrorCode::SubscriptOutOfRange},
        {"count beyond the grid", 3, {3}, {1, 2, 3}, {4, -1, -1, -1}, "kg/m3", {}, 0, 0, ErrorCode::SubscriptOutOfRange},
        {"scaled value beyond a double", 3, {2}, {1, 1E306}, {2, -1, -1, -1}, "kg/m3", {}, 0, 0, ErrorCode::Overflow},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelDataSet data;
        data.ModelName = "Surface Water";
        data.ConcentrationUnit = c.unit;
        setGrid(data, c.dataType, c.uppers, c.cells, c.counts);
        EXPECT_EQ(codeOf([&] { NormaliseDataSet(data, SingleSpecies); }), c.code);
        EXPECT_EQ(data.ConcentrationUnit, "mg/l");
        if (c.code == 0) {
            EXPECT_THAT(cellsOf(data.ConcentrationGrid), Pointwise(DoubleEq(), c.scaled));
            EXPECT_DOUBLE_EQ(data.MaximumConcentration, c.maximum);
            EXPECT_DOUBLE_EQ(data.AverageConcentration, c.average);
            EXPECT_TRUE(indexZeroCellsIntact(data.ConcentrationGrid));
        }
    }
}

// Air files: every chemical record is treated; the data set's own grid waits for the chemical
// selection that follows, so it stays as read.
TEST(NormaliseDataSet, AirChemicalRecords) {
    ModelDataSet data;
    data.ModelName = "Air";
    data.ConcentrationUnit = "mg/m\xB3";
    data.ChemicalCount = 7;
    data.AirChemicalData.redim({0, 7});
    auto& records = data.AirChemicalData;
    setGrid(records.at(1), 10, {2, 1, 1, 1}, {1000, 3000}, {2, 1, 1, 1});
    setMonteCarlo(records.at(2), 3, {4000, 2000});
    setSingleValue(records.at(3), 2, "500");
    setGrid(records.at(4), 7, {1, 2}, {1000, 2000}, {1, 2, -1, -1});
    setMonteCarlo(records.at(5), 1, {}); // a count of 1 or less holds no values
    setMonteCarlo(records.at(6), -1, {});
    setSingleValue(records.at(7), 1, " 2.5E-03 ");
    setGrid(data, 17, {1, 1, 1, 1}, {1000}, {1, 1, 1, 1});

    NormaliseDataSet(data, 1);
    EXPECT_EQ(cellsOf(records.at(1).ConcentrationGrid), (std::vector<double>{1, 3}));
    EXPECT_EQ(records.at(1).MaximumConcentration, 3);
    EXPECT_EQ(records.at(1).AverageConcentration, 2);
    EXPECT_EQ(records.at(2).McIterationValues, valuesOf({4, 2}));
    EXPECT_EQ(records.at(2).MaximumConcentration, 4);
    EXPECT_EQ(records.at(2).AverageConcentration, 3);
    EXPECT_EQ(records.at(3).ModelResult, "0.5");
    EXPECT_EQ(records.at(3).MaximumConcentration, 0.5);
    EXPECT_EQ(records.at(3).AverageConcentration, 0.5);
    // X-Y is not an air layout: left as it is.
    EXPECT_EQ(cellsOf(records.at(4).ConcentrationGrid), (std::vector<double>{1000, 2000}));
    EXPECT_EQ(records.at(4).MaximumConcentration, -7);
    EXPECT_EQ(records.at(4).AverageConcentration, -8);
    for (const std::int16_t i : {5, 6}) {
        EXPECT_EQ(records.at(i).MaximumConcentration, -1E20);
        EXPECT_EQ(records.at(i).AverageConcentration, 0);
    }
    EXPECT_EQ(records.at(5).McIterationValues, valuesOf({}));
    // 0.0025 x 0.001 is 2.5000000000000004E-06; the text keeps 15 digits, and the maximum and
    // average are the number written.
    EXPECT_EQ(records.at(7).ModelResult, "2.5E-06");
    EXPECT_EQ(records.at(7).MaximumConcentration, 2.5E-06);
    EXPECT_EQ(records.at(7).AverageConcentration, 2.5E-06);
    EXPECT_EQ(cellsOf(data.ConcentrationGrid), (std::vector<double>{1000}));
    EXPECT_EQ(data.ConcentrationUnit, "mg/l");
}

ModelDataSet multipleSpecies() {
    ModelDataSet data;
    data.ModelName = "Groundwater";
    data.ConcentrationUnit = "kg/m3";
    data.ChemicalCount = 4;
    data.SpeciesData.redim({0, 4});
    auto& records = data.SpeciesData;
    setGrid(records.at(1), 11, {2, 2}, {1, 2, 3, 4}, {2, -1, -1, 2});
    setGrid(records.at(2), 14, {1, 1, 2}, {1, 3}, {1, 1, -1, 2});
    setSingleValue(records.at(3), 2, "0.5");
    setGrid(records.at(4), 17, {1, 1, 1, 2}, {2, 4}, {1, 1, 1, 2});
    setGrid(data, 11, {2, 2}, {1, 2, 3, 4}, {2, -1, -1, 2});
    return data;
}

TEST(NormaliseDataSet, SpeciesRecordsOfMultipleSpeciesFiles) {
    ModelDataSet data = multipleSpecies();
    NormaliseDataSet(data, MultipleSpecies);
    const auto& records = data.SpeciesData;
    EXPECT_EQ(cellsOf(records.at(1).ConcentrationGrid),
              (std::vector<double>{1000, 2000, 3000, 4000}));
    EXPECT_EQ(records.at(1).AverageConcentration, 2500);
    EXPECT_EQ(cellsOf(records.at(2).ConcentrationGrid), (std::vector<double>{1000, 3000}));
    EXPECT_EQ(records.at(2).MaximumConcentration, 3000);
    // A single value is no species layout: left as it is.
    EXPECT_EQ(records.at(3).ModelResult, "0.5");
    EXPECT_EQ(records.at(3).MaximumConcentration, -7);
    EXPECT_EQ(records.at(3).AverageConcentration, -8);
    EXPECT_EQ(records.at(4).AverageConcentration, 3000);
    EXPECT_EQ(cellsOf(data.ConcentrationGrid), (std::vector<double>{1, 2, 3, 4}));
    // Averaging again treats the same records and leaves the others.
    data.SpeciesData.at(1).AverageConcentration = 0;
    data.SpeciesData.at(3).AverageConcentration = 42;
    ComputeAverageConcentration(data, MultipleSpecies);
    EXPECT_EQ(records.at(1).AverageConcentration, 2500);
    EXPECT_EQ(records.at(3).AverageConcentration, 42);

    // A single-species file of the same medium treats the data set's own grid instead.
    ModelDataSet single = multipleSpecies();
    NormaliseDataSet(single, SingleSpecies);
    EXPECT_EQ(cellsOf(single.ConcentrationGrid), (std::vector<double>{1000, 2000, 3000, 4000}));
    EXPECT_EQ(single.MaximumConcentration, 4000);
    EXPECT_EQ(cellsOf(single.SpeciesData.at(1).ConcentrationGrid),
              (std::vector<double>{1, 2, 3, 4}));
}

// The average of the one-pass normalisation must be the one ComputeAverageConcentration gives
// on the scaled data, bit for bit: values whose sums round show a different order at once.
TEST(ComputeAverageConcentration, AgreesWithNormaliseBitForBit) {
    const std::vector<double> cells = {0.1, 0.2, 1.0 / 3.0, 0.7, 1e-3, 2.0 / 3.0,
                                       0.3, 5.5, 1.0 / 7.0, 0.9, 0.05, 1.0 / 9.0};
    ModelDataSet data;
    data.ModelName = "Groundwater";
    data.ConcentrationUnit = "ug/l";
    setGrid(data, 17, {3, 2, 1, 2}, cells, {3, 2, 1, 2});
    NormaliseDataSet(data, SingleSpecies);
    const double normalised = data.AverageConcentration;
    data.AverageConcentration = 0;
    ComputeAverageConcentration(data, SingleSpecies);
    EXPECT_EQ(data.AverageConcentration, normalised);

    double sum = 0.0;
    for (const double cell : cellsOf(data.ConcentrationGrid)) {
        sum += cell;
    }
    EXPECT_EQ(data.AverageConcentration, sum / 12);
}

TEST(CleanUnitTexts, KeepsTheLowerCasedTextAfterTheFirstAmpersand) {
    struct Case {
        std::string text;
        std::string cleaned;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"Length&M", "m"},
        {"A&B&C", "b&c"},
        {"&", ""},
        {"Conc&MG/L", "mg/l"},
        {"Kg/M\xB3", "Kg/M\xB3"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ModelDataSet data;
        data.LengthUnit = c.text;
        data.ConcentrationUnit = "Unit&" + c.text;
        data.TimeUnit = c.text + "&Day";
        CleanUnitTexts(data);
        EXPECT_EQ(data.LengthUnit, c.cleaned);
        EXPECT_EQ(data.ConcentrationUnit, lowerCase(c.text));
        EXPECT_EQ(data.TimeUnit, contains(c.text, "&") ? c.cleaned + "&day" : "day");
    }
}

} // namespace
} // namespace torval
