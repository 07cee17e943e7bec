#include "datafiles/SurfaceWaterFileReader.h"

#include "core/datafiles/ReaderTestFiles.h"
#include "datafiles/AxisFields.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;
using testing::fileText;
using testing::gridCells;
using testing::numbers;
using testing::RecordingPrompter;
using testing::testDataDirectory;
using testing::usedValues;

const std::string KilogramsPerCubicMetre = std::string("kg/m") + '\xB3';

std::filesystem::path fixture(const std::string& name) {
    return testDataDirectory() / "surface" / name;
}

// Coordinates 1..N, cells and Monte Carlo values 1..count-1 as blank-separated numbers.
struct Expected {
    std::string file;
    std::string subType;
    int dataType;
    double initialConcentration;
    std::string modelResult;
    std::string x = "", y = "", t = "", cells = "", monteCarlo = "";
    std::int16_t monteCarloCount = -1;
};

TEST(SurfaceWaterFileReader, ReadsEverySubTypeIntoItsLayout) {
    const std::string none;
    // clang-format off
    const std::vector<Expected> cases = {
        {"outfall.spd", "Surface Point Discharges", 2, 0.05, "0.005"},
        // Without a concentration the discharge line is one field and nothing is kept from it.
        {"outfall-flow.spd", "Surface Point Discharges", 2, -1, "0.006"},
        {"port.bpd", "Submerged Point Discharges", 2, 0.08, "0.0078"},
        {"diffuser.mpd", "Submerged Multiport Diffusers", 2, 0.03, "0.00038"},
        // A near-field sub type without a reader reads nothing more.
        {"jet.spd", "Surface Jet", 2, -1, ""},
        // A Monte Carlo count of 1 stores no value.
        {"outfallmc.spd", "Submerged Point Discharges", 0, 0.08, "Monte Carlo Simulation", none, none, none, none, none, 1},
        {"cross.rvr", "Transverse Mixing", 7, 0.005, "32", "0 100 200", "0 10", none, "11 12 21 22 31 32"},
        {"steady.rvr", "Longitudinal Advection", 3, 0.002, "0.002", "0 50 100", none, none, "0.002 0.0015 0.001"},
        {"moving.rvr", "Longitudinal Advection", 11, 0.002, "0.002", "0 500", none, "0 3600 7200",
         "0.002 0.002 0.002 0 0.0007 0.0019"},
        {"estuary.est", "Estuary", 3, 0.004, "0.004", "1000 2000 3000", none, none, "0.004 0.003 0.002"},
        {"montecarlo.est", "Estuary", 0, 0.004, "Monte Carlo Simulation", none, none, none, none, "0.0031 0.0032 0.0033", 4},
        {"pond.lak", "Small Lakes", 6, 0.001, "0.0007", none, none, "0 100 200", "0 0.0005 0.0007"},
        {"lakebox.lak", "Small Lakes (Box Model)", 6, 0.001, "0.00077", none, none, "0 100", "0.0004 0.00077"},
        {"lakebox-steady.lak", "Small Lakes (Box Model)", 2, 0.001, "0.00077"},
        {"ocean.oce", "Oceans", 7, 0.002, "0.00002", "100 200", "-50 50", none, "1e-6 2e-5 3e-6 4e-6"},
        // The Monte Carlo data are not read: the lines after the marker are not a result.
        {"mcdata.oce", "Oceans", 1, 0.002, "Deterministic"},
        {"bed.riv", "Fletcher-Dotson Model", 2, -1, "0.00795"},
        // A range without a step is the single point it names.
        {"onishi.riv", "Onishi Model", 6, -1, "0.0079", none, none, "86400", "0.0079"},
        {"delta.etr", "Estuaries", 11, -1, "0.006", "0 2000", none, "0 50 100", "0 0.002 0.006 0 0.001 0.003"},
        {"reservoir.lke", "Lakes", 6, -1, "0.004", none, none, "0 86400", "0.001 0.004"},
    };
    // clang-format on
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.file);
        AppState state;
        RecordingPrompter prompter;
        ASSERT_TRUE(ReadSurfaceWaterFile(state, prompter, fixture(c.file).string()));
        EXPECT_TRUE(prompter.messages.empty());
        const ModelDataSet& data = state.modelData;
        EXPECT_EQ(data.SubTypeName, c.subType);
        EXPECT_EQ(data.DataType, c.dataType);
        EXPECT_EQ(data.InitialConcentration, c.initialConcentration);
        EXPECT_EQ(data.ModelResult, c.modelResult);
        EXPECT_EQ(data.ConcentrationUnit, KilogramsPerCubicMetre);
        const bool nearField = data.SubModelName == "Near-Field Mixing";
        EXPECT_EQ(data.LengthUnit, nearField ? "" : "m");
        EXPECT_EQ(data.TimeUnit, nearField ? "" : "sec");
        EXPECT_EQ(data.McIterationCount, c.monteCarloCount);
        if (c.monteCarloCount >= 1) {
            EXPECT_EQ(data.McIterationValues.upper(), c.monteCarloCount - 1);
            EXPECT_EQ(usedValues(data.McIterationValues, c.monteCarloCount - 1),
                      numbers(c.monteCarlo));
        }
        testing::expectAxes(data, {c.x, c.y, "", c.t});
        EXPECT_EQ(gridCells(data), numbers(c.cells));
    }
}

TEST(SurfaceWaterFileReader, WarnsAboutModelsItCannotReadAndLoadsNothing) {
    for (const std::string file : {"unknown-model.riv", "unknown-subtype.est"}) {
        SCOPED_TRACE(file);
        AppState state;
        RecordingPrompter prompter;
        EXPECT_TRUE(ReadSurfaceWaterFile(state, prompter, fixture(file).string()));
        EXPECT_EQ(prompter.messages,
                  (std::vector<Message>{{.text = "Not recognizable datafile of surface watre!",
                                         .title = "Warning",
                                         .icon = MessageIcon::Critical}}));
        EXPECT_EQ(state.modelData.DataType, -1);
        EXPECT_EQ(state.modelData.ConcentrationUnit, "");
        EXPECT_FALSE(prompter.isBusy());
    }
}

// Every file cut after any of its lines either loads or fails with a run-time code; a file
// that loads has an axis for every grid point of its layout.
TEST(SurfaceWaterFileReader, EveryPrefixOfEveryFileLoadsOrFailsWithItsCode) {
    testing::forEveryPrefix(
        fixture(""), "surface", 13,
        [](const auto& file, const std::string& prefix, bool whole, bool) {
            FreeFormatReader reader(prefix);
            ModelDataSet data;
            const int code = codeOf([&] { ReadSurfaceWaterData(reader, data); });
            if (code == 0) {
                EXPECT_EQ(codeOf([&] {
                              gridCells(data);
                              for (const Axis axis : LayoutAxes(data.DataType)) {
                                  usedValues(axisValuesOf(data, axis), pointCountOf(data, axis));
                              }
                          }),
                          0);
            }
            if (whole) {
                EXPECT_EQ(code == 0, !testing::isBrokenFixture(file));
            }
        });
}

} // namespace
} // namespace torval
