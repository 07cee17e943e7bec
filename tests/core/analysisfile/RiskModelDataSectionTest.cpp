#include "analysisfile/RiskModelDataSection.h"

#include "datafiles/DataLayout.h"
#include "shell/NumberText.h"
#include "shell/Text.h"
#include "support/CodeOf.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;
using Index = BoundedArray<double, 1>::Index;

// The lines of a hand-written text, each ended by "|" in the source.
std::string crlf(std::string_view lines) {
    std::string text;
    for (const char c : lines) {
        text += c == '|' ? std::string("\r\n") : std::string(1, c);
    }
    return text;
}

BoundedArray<double, 1> fromOne(const std::vector<double>& values) {
    BoundedArray<double, 1> array;
    array.redim({1, static_cast<Index>(values.size())});
    for (std::size_t i = 0; i < values.size(); ++i) {
        array.at(static_cast<Index>(i + 1)) = values[i];
    }
    return array;
}

// Every dimension 1..2, cells given in index order (last index fastest).
ConcentrationGrid gridOf(std::size_t rank, const std::function<double(std::size_t)>& cell) {
    ConcentrationGrid grid;
    const ConcentrationGrid::Bounds two{1, 2};
    switch (rank) {
    case 1:
        grid.redim(two);
        break;
    case 2:
        grid.redim(two, two);
        break;
    case 3:
        grid.redim(two, two, two);
        break;
    default:
        grid.redim(two, two, two, two);
        break;
    }
    std::size_t n = 0;
    grid.forEachCell(ConcentrationGrid::CellSelection(rank, {1, 2}),
                     [&](double& c) { c = cell(n++); });
    return grid;
}

ConcentrationGrid gridOf(std::size_t rank, const std::vector<double>& cells) {
    return gridOf(rank, [&](std::size_t n) { return cells.at(n); });
}

// Signs, magnitudes from 1E-09 to 1E+09 and negatives glued in three-dimensional lines; each
// the double nearest a short decimal, which the 15 digits of the file keep exactly.
double variedCell(std::size_t n) {
    const int exponent = static_cast<int>(n % 7) * 3 - 9;
    const double value = std::stod(std::to_string(n + 1) + "E" + std::to_string(exponent));
    return n % 3 == 1 ? -value : value;
}

ChemicalDataRecord monteCarloRecord() {
    ChemicalDataRecord record;
    record.DataType = 0;
    record.McIterationCount = 3;
    record.McIterationValues = fromOne({0.25, 0.75, 0});
    record.AverageConcentration = 0.5;
    record.MaximumConcentration = 0.75;
    record.ModelResult = "Monte Carlo";
    return record;
}

ChemicalDataRecord chemicalRecord(std::int16_t dataType, bool air) {
    ChemicalDataRecord record;
    record.DataType = dataType;
    if (dataType == 0) {
        return monteCarloRecord();
    }
    const bool grid =
        air ? dataType == 10 || dataType == 17 : dataType == 11 || dataType == 14 || dataType == 17;
    if (grid) {
        record.AverageConcentration = 0.5;
        record.MaximumConcentration = 2;
        record.ModelResult = "1.25";
        record.ConcentrationGrid = gridOf(air ? 4 : LayoutAxes(dataType).size(), variedCell);
    }
    if (grid && air) { // an air record has axes of its own
        record.NumX = record.NumY = record.NumZ = record.NumT = 2;
        record.XValues = record.ZValues = fromOne({-1, 1});
        record.YValues = record.TValues = fromOne({7, 8E+20});
    }
    return record;
}

struct Shape {
    std::string model;
    std::int16_t dataType;
    std::vector<std::int16_t> chemicalTypes; // one record per chemical
};

// Every saved field set, two points per axis.
ModelDataSet builtSet(const Shape& shape) {
    ModelDataSet data;
    data.DataFileName = "C:\\runs\\plume.dat";
    data.ModelName = shape.model;
    data.SubModelName = "Model A";
    if (lowerCase(trimBlanks(shape.model)) == "groundwater") {
        data.AquiferName = "Sand";
        data.ContaminantName = "TCE";
    }
    data.DataType = shape.dataType;
    data.InitialConcentration = 100;
    data.MaximumConcentration = 2.5;
    data.AverageConcentration = 1.5E-07;
    data.ModelResult = "2.5";
    data.XRange = "0:12.5:12.5";
    data.YRange = "-3:3:6";
    data.NumX = data.NumY = data.NumZ = data.NumT = 2;
    data.MaxNumX = 11, data.MaxNumY = 12, data.MaxNumZ = 13, data.MaxNumT = 14;
    data.MaxMcIterationCount = 15;
    data.MCCoordX = "1", data.MCCoordY = "2", data.MCCoordZ = "3", data.MCCoordT = "4";
    data.LengthUnit = "m", data.TimeUnit = "yr", data.ConcentrationUnit = "mg/l";
    const bool air = contains(shape.model, "Air");
    const std::span<const Axis> layout = LayoutAxes(shape.dataType);
    const std::size_t rank = shape.dataType == 10 && air ? 4 : layout.size();
    if (rank > 0) {
        data.ConcentrationGrid = gridOf(rank, variedCell);
    }
    // Only the axes some grid lies on are saved.
    std::vector<Axis> used(layout.begin(), layout.end());
    for (const std::int16_t type : shape.chemicalTypes) {
        const auto axes = air ? std::span<const Axis>() : LayoutAxes(type);
        used.insert(used.end(), axes.begin(), axes.end());
    }
    const auto uses = [&](Axis axis) { return rank == 4 || std::ranges::count(used, axis) > 0; };
    data.XValues = uses(Axis::X) ? fromOne({0, 12.5}) : BoundedArray<double, 1>();
    data.YValues = uses(Axis::Y) ? fromOne({-3, 3}) : BoundedArray<double, 1>();
    data.ZValues = uses(Axis::Z) ? fromOne({0.001, 100}) : BoundedArray<double, 1>();
    data.TValues = uses(Axis::T) ? fromOne({1, 3.25E-07}) : BoundedArray<double, 1>();
    if (shape.dataType == 0) {
        data.McIterationCount = 3;
        data.McIterationValues = fromOne({-0.5, 1E-12, 0});
    }
    if (!shape.chemicalTypes.empty()) {
        const auto count = static_cast<Index>(shape.chemicalTypes.size());
        data.ChemicalCount = data.CurrentChemical = static_cast<std::int16_t>(count);
        data.ChemicalNames.redim({1, count});
        auto& records = air ? data.AirChemicalData : data.SpeciesData;
        records.redim({1, count});
        for (Index i = 1; i <= count; ++i) {
            data.ChemicalNames.at(i) = "Chemical " + std::to_string(i);
            records.at(i) =
                chemicalRecord(shape.chemicalTypes[static_cast<std::size_t>(i - 1)], air);
        }
    }
    return data;
}

std::string written(const ModelDataSet& data, bool modelDataUsed = true) {
    std::string out;
    WriteModelDataSection(out, data, modelDataUsed);
    return out;
}

ModelDataSet readBack(const std::string& text, bool modelDataUsed = true) {
    FreeFormatReader in(text);
    ModelDataSet data;
    ReadModelDataSection(in, data, modelDataUsed);
    return data;
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

std::string opening(std::string_view model, bool groundwater, int count, int dataType) {
    const std::string n = std::to_string(count);
    return crlf("[Begin PLUMEX Data]|Data File Name: C:\\runs\\plume.dat|Model: " +
                std::string(model) + "|SubModel: Model A|subtype: |" +
                (groundwater ? "Aquifer: Sand|Contaminant: TCE|" : "") + "Chemincal Num: " + n +
                "|Current Chemincal: " + n + "|Data Type: " + std::to_string(dataType) + "|");
}

const std::string MonteCarloBlock = crlf("Number of Monte Carlo Iterations: 3|"
                                         "Average Concentration: 0.5|Maximum Concentration: 0.75|"
                                         "Result: Monte Carlo| 0.25 | 0.75 |");
const std::string End = crlf("[End PLUMEX Data]||");

struct ExactCase {
    std::string name;
    ModelDataSet data;
    std::string expected;
};

std::vector<ExactCase> exactCases() {
    ModelDataSet twoD = builtSet({"Groundwater", 11, {}});
    twoD.ConcentrationGrid = gridOf(2, {1.5, -0.25, 2E+15, 0});
    ModelDataSet threeD = builtSet({"Groundwater", 14, {11, 0}});
    threeD.ConcentrationGrid = gridOf(3, {1.5, -2, -0.5, 4, 0, 1E-06, -7, 8});
    threeD.SpeciesData.at(1).ConcentrationGrid = gridOf(2, {0.5, 2, -1, 0});
    ModelDataSet air = builtSet({"Air", 10, {0, 2}});
    air.ConcentrationGrid = gridOf(4, {1111, 1112, 1121, 1122, 1211, 1212, 1221, 1222, 2111, 2112,
                                       2121, 2122, 2211, 2212, 2221, 2222});
    return {
        {"two-dimensional X-T", twoD,
         opening("Groundwater", true, 1, 11) + SavedFields +
             crlf(", 1, 3.25E-07|0,  1.5 , -0.25 |12.5,  2E+15 ,  0 |") + End},
        {"three-dimensional X-Y-T with species", threeD,
         opening("Groundwater", true, 2, 14) + SavedFields +
             crlf(", 1, 3.25E-07|0, -3,  1.5-2|0, 3, -0.5 4|12.5, -3,  0 1E-06|12.5, 3, -7 8|"
                  "Current Chemical: 2|Chemical Name: Chemical 1|Data Type: 11||"
                  "Average Concentration: 0.5|Maximum Concentration: 2|Result: 1.25|"
                  ", 1, 3.25E-07|0,  0.5 ,  2 |12.5, -1 ,  0 |||"
                  "Chemical Name: Chemical 2|Data Type: 0||") +
             MonteCarloBlock + crlf("||") + End},
        {"four-dimensional air X-Y-Z with chemicals", air,
         opening("Air", false, 2, 10) + SavedFields +
             crlf("Time,  1 |ZCoordinate ,  0.001 ,  100 |"
                  "0, -3, 1111, 1121|0, 3, 1211, 1221|12.5, -3, 2111, 2121|12.5, 3, 2211, 2221|||"
                  "Time,  3.25E-07 |ZCoordinate ,  0.001 ,  100 |"
                  "0, -3, 1112, 1122|0, 3, 1212, 1222|12.5, -3, 2112, 2122|12.5, 3, 2212, 2222|||"
                  "Chemical Name: Chemical 1|Data Type: 0||") +
             MonteCarloBlock + crlf("||Chemical Name: Chemical 2|Data Type: 2||||") + End},
    };
}

TEST(RiskModelDataSection, RoundTripsEveryLayoutAndChemicalBlock) {
    std::vector<Shape> shapes;
    for (std::int16_t type = -1; type <= 17; ++type) {
        shapes.push_back({type % 2 == 0 ? "Groundwater" : "Surface Water", type, {}});
    }
    shapes.push_back({"Air", 10, {0, 10, 17, 2}});
    shapes.push_back({"Air", 17, {3}});
    shapes.push_back({"Groundwater", 11, {0, 11, 14, 17, 3}});
    shapes.push_back({"  groundwater  ", 17, {17, 14}});
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.model + " " + std::to_string(shape.dataType));
        ModelDataSet data = builtSet(shape);
        const std::string text = written(data);
        const ModelDataSet read = readBack(text);
        data.ModelName = trimBlanks(data.ModelName); // as read; nothing else may change
        EXPECT_EQ(read, data);
        EXPECT_EQ(written(read), written(data));
    }
}

TEST(RiskModelDataSection, WithoutModelDataStopsAfterTheLayoutCode) {
    const ModelDataSet data = builtSet({"Groundwater", 7, {}});
    const std::string text = written(data, false);
    EXPECT_EQ(text, opening("Groundwater", true, 1, 7) + End);
    EXPECT_EQ(written(readBack(text, false), false), text);
    EXPECT_EQ(codeOf([&] { readBack(text, true); }), ErrorCode::InputPastEndOfFile);
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

TEST(RiskModelDataSection, ToleratesEditedBlankLinesAndRejectsForeignLines) {
    const ExactCase sample = exactCases()[1];
    const std::string& text = sample.expected;
    const std::string body = text.substr(0, text.size() - 2); // keeps the closing blank line
    struct Row {
        std::string name;
        std::string edited;
        int code; // 0: reads the sample's data
    };
    const std::vector<Row> rows{
        {"LF line ends", replaced(text, "\r\n", "\n", true), 0},
        {"blank lines doubled", replaced(body, "\r\n\r\n", "\r\n\r\n\r\n", true) + "\r\n", 0},
        {"blank lines dropped", replaced(body, "\r\n\r\n", "\r\n", true) + "\r\n", 0},
        {"blanks after every line", replaced(text, "\r\n", "  \r\n", true), 0},
        {"closing blank line missing", body, 0},
        {"wrong opening marker", replaced(text, "[Begin PLUMEX", "[Begin Input", false), 62},
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
        ModelDataSet read;
        EXPECT_EQ(codeOf([&] { read = readBack(row.edited); }), row.code);
        if (row.code == 0) {
            EXPECT_EQ(read, sample.data);
        }
    }
}

// A prefix that keeps the whole end marker is a whole section: the line end and the blank line
// after it are left to whatever follows.
TEST(RiskModelDataSection, EveryCutSectionFailsWithItsCode) {
    const std::string text = exactCases()[2].expected;
    for (std::size_t length = 0; length <= text.rfind(']'); ++length) {
        SCOPED_TRACE(length);
        const int code = codeOf([&] { readBack(text.substr(0, length)); });
        EXPECT_TRUE(code == ErrorCode::InputPastEndOfFile || code == ErrorCode::TypeMismatch)
            << code;
    }
}

} // namespace
} // namespace torval
