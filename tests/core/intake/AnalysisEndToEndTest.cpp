#include "core/datafiles/ReaderTestFiles.h"
#include "core/intake/AnalysisFormFixture.h"
#include "intake/DataFileLoading.h"
#include "intake/Pathways.h"
#include "shell/NumberText.h"
#include "support/ScriptedFileDialogs.h"

#include <map>
#include <sstream>

namespace torval::testing {
namespace {

using AnalysisEndToEndTest = AnalysisFormTest;

std::vector<double> fieldsOf(const std::string& line) {
    std::vector<double> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(std::stod(field));
    }
    return fields;
}

// The relative concentrations of a three-dimensional file by (x, y, z, t), taken from its
// lines: a "Time, t" line, a "Depth, z..." line, then "x, y, value per depth" lines.
std::map<std::array<double, 4>, double> relativeCells(const std::string& text) {
    std::map<std::array<double, 4>, double> cells;
    std::istringstream in(text.substr(text.find("Concentration Distribution")));
    std::string line;
    std::getline(in, line);
    double t = 0;
    std::vector<double> depths;
    while (std::getline(in, line) && !line.starts_with("[End Model Results]")) {
        if (line.starts_with("Time,") || line.starts_with("Depth,")) {
            std::vector<double> values = fieldsOf(line.substr(line.find(',') + 1));
            line.starts_with("Time,") ? void(t = values[0]) : void(depths = values);
            continue;
        }
        const std::vector<double> row = fieldsOf(line);
        for (std::size_t k = 0; k < depths.size(); ++k) {
            cells[{row[0], row[1], depths[k], t}] = row[2 + k];
        }
    }
    return cells;
}

// A shipped three-dimensional file in ug/l, loaded through New Application and the data-file
// dialog, averaged over typed intervals, then the drinking-water intake.
TEST_F(AnalysisEndToEndTest, AGroundwaterSampleFromNewToTheIntake) {
    const std::filesystem::path sample = sampleDirectory("grndwatr") / "pce-plume.tri";
    const double sourceConcentration = 60000; // its "Source Concentration" line
    const double microgramsToMilligrams = 0.001;
    double sum = 0;
    int count = 0;
    for (const auto& [at, relative] : relativeCells(fileText(sample))) {
        const auto [x, y, z, t] = at;
        if (x >= 50 && x <= 100 && y >= -10 && y <= 10 && z <= 2 && t >= 2000 && t <= 3000) {
            sum += relative * sourceConcentration * microgramsToMilligrams;
            ++count;
        }
    }
    ASSERT_EQ(count, 3 * 3 * 2 * 2);
    const double average = sum / count;
    // Ri 2 l/day, Fe 350 day/yr, Dt 30 yr, Wb 70 kg, Tavg 70 x 365 day.
    const auto intakeOf = [](double c) { return c * 2 * 350 * 30 / (70 * 25550.0); };

    ScriptedFileDialogs dialogs;
    dialogs.answers = {sample.string()};
    const DataFileReaders readers = DataFileReaders::standard();
    services.fillData = [&](AppState& s) {
        ASSERT_TRUE(OpenModelDataFile(s, dialogs, prompter, readers));
    };
    services.media = {Medium::Groundwater};
    openInputMode();
    form->NewCommand();
    ASSERT_EQ(services.loadCalls, 1);
    EXPECT_EQ(text(0), "GROUNDWATER - THREE DIMENSIONAL");
    EXPECT_EQ(state.modelData.ConcentrationUnit, "mg/l");

    type(6, "50:100");
    type(7, "-10:10");
    type(8, "0:2");
    type(9, "2000:3000");
    form->selectConcentration(0);
    form->selectPathway(0);
    int row = pathwayInfo(0).firstRow();
    for (const std::string value : {"2", "350", "30", "70", "25550"}) {
        type(row++, value);
    }
    form->CalculationCommand();

    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(text(10), FormatNumber(generalText(average)));
    ASSERT_EQ(state.ResultCount, 2);
    // The calculation takes the average as the window shows it, to five digits.
    EXPECT_DOUBLE_EQ(state.IntakeResults.at(1), intakeOf(toDouble(text(10))));
    EXPECT_NEAR(state.IntakeResults.at(1), intakeOf(average), 1e-4 * intakeOf(average));
    EXPECT_EQ(text(20), FormatNumber(generalText(intakeOf(toDouble(text(10))))));
}

} // namespace
} // namespace torval::testing
