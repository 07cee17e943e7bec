#include "intake/DataFileLoading.h"

#include "shell/Text.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"
#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::RecordingPrompter;
using testing::ScratchDirectory;
using testing::ScriptedFileDialogs;

TEST(DataFileOpening, MediumOfExtensionIgnoresCaseAndDirectories) {
    struct Case {
        std::string path;
        std::string medium;
        std::int16_t code;
    };
    const std::vector<Case> cases = {
        {"run.box", "Air", Medium::Air},
        {"C:\\plumex\\RUN.ONE", "Groundwater", Medium::Groundwater},
        {"/data/site.jur", "Groundwater", Medium::Groundwater},
        {"chain.mcu", "Groundwater", Medium::GroundwaterMultipleSpecies},
        {"river.rvr", "Surface Water", Medium::SurfaceFarField},
        {"plume.bpd", "Surface Water", Medium::SurfaceNearField},
        {"bed.lke", "Surface Water", Medium::SurfaceSediment},
        {"/home/a/.local/share/torval/run.two", "Groundwater", Medium::Groundwater},
        {"run.tar.one", "", Medium::None}, // the text after the FIRST dot is "tar.one"
        {"run.txt", "", Medium::None},
        {"noextension", "", Medium::None},
        {"", "", Medium::None}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(MediumOfExtension(c.path), c.medium);
        EXPECT_EQ(MediumCodeOfExtension(c.path), c.code);
    }
}

TEST(DataFileOpening, DialogReportsMissingFilesAndCancelsSilently) {
    ScratchDirectory scratch("datadialog");
    scratch.writeFile("site.one", "x\r\n");
    AppState state;
    state.AppPath = scratch.path();
    ScriptedFileDialogs dialogs;
    RecordingPrompter prompter;
    dialogs.answers = {std::nullopt, scratch.path("gone.one"), scratch.path("site.one")};

    EXPECT_EQ(ShowDataFileDialog(state, dialogs, prompter, "Groundwater", OpenDataFileTitle),
              NoFileChosen);
    EXPECT_TRUE(prompter.messages.empty());

    EXPECT_EQ(ShowDataFileDialog(state, dialogs, prompter, "Groundwater", OpenDataFileTitle),
              NoFileChosen);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].title, "File not found.");
    EXPECT_NE(prompter.messages[0].text.find(upperCase(scratch.path("gone.one")) + " not found!"),
              std::string::npos);

    EXPECT_EQ(ShowDataFileDialog(state, dialogs, prompter, "Groundwater", OpenDataFileTitle),
              scratch.path("site.one"));
    ASSERT_EQ(dialogs.openChoices.size(), 3u);
    const FileChoice& choice = dialogs.openChoices[2];
    EXPECT_EQ(choice.title, "Open PLUMEX Datafile");
    ASSERT_EQ(choice.filters.size(), 6u);
    EXPECT_EQ(choice.filters[2].description,
              "Groundwater - Multiple Species (*.mc1; *.mc2; *.mc3; *.mcu)");
    EXPECT_EQ(choice.filters[2].patterns, "*.mc1; *.mc2; *.mc3; *.mcu");
    EXPECT_EQ(choice.filterIndex, 2);
}

// Readers that fill the data set as a file of the family would, without any file format.
DataFileReaders fakeReaders(std::function<void(ModelDataSet&)> fill, bool accept = true) {
    auto reader = [fill, accept](AppState& state, Prompter&, const std::string&) {
        if (accept) {
            fill(state.modelData);
        }
        return accept;
    };
    return {reader, reader, reader};
}

void singleValueInMgPerCubicMetre(ModelDataSet& data) {
    data.DataType = 2;
    data.ModelResult = "5";
    data.ConcentrationUnit = "mg/m3";
    data.LengthUnit = "Length&M";
    data.TimeUnit = "sec";
}

struct OpenFixture {
    ScratchDirectory scratch{"openmodel"};
    AppState state;
    ScriptedFileDialogs dialogs;
    RecordingPrompter prompter;

    OpenFixture(const std::string& modelName, std::int16_t mediumCode) {
        state.AppPath = scratch.path();
        state.modelData.ModelName = modelName;
        state.MediumCode = mediumCode;
    }
};

// An opened file is normalised and fills the concentration texts. A cancel or a refused file
// gives up the medium. A file its reader accepts but that yields no data set leaves the analysis
// open before as it was: its average and maximum must not pass for the new file's.
TEST(DataFileOpening, AFileIsTakenWholeOrNotAtAll) {
    struct Case {
        const char* name;
        std::int16_t medium;
        std::string file; // "": the dialog is cancelled
        std::string firstLines;
        int reader; // 0 refuses the file, 1 accepts it and fills nothing, 2 fills a data set
        bool opened;
        Message message; // its text follows the path; no title: no message
    };
    const Message newer{" is not recognized datafile. Please select other datafile.",
                        "Not Recognized Datafile", MessageIcon::Critical};
    const Message noData{" holds no data this program can use.\r\rThe analysis is kept as it was. "
                         "Please select another data file.",
                         "No Usable Data", MessageIcon::Exclamation};
    const std::string output = "PLUMEX output\r\n";
    // clang-format off
    const std::vector<Case> cases = {
        {"cancelled", Medium::Groundwater, "", "", 2, false, {}},
        {"a newer version", Medium::Groundwater, "new.one", "PLUMEX Version 2.0\r\n", 2, false,
         newer},
        // Only the first line counts, whatever ends it.
        {"an older file", Medium::SurfaceFarField, "river.rvr", "PLUMEX output\rVersion notes\r", 2,
         true, {}},
        {"refused by its reader", Medium::Air, "run.box", output, 0, false, {}},
        {"a species file without a species body", Medium::GroundwaterMultipleSpecies, "varying.mc1",
         output, 1, false, noData},
        {"an extension of no model", Medium::Groundwater, "notes.txt", output, 1, false, noData},
        {"an air file its reader finds nothing in", Medium::Air, "plume.box", output, 1, false,
         noData},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenFixture f(c.medium == Medium::Air               ? "Air"
                      : c.medium == Medium::SurfaceFarField ? "Surface Water - Far Field"
                                                            : "Groundwater",
                      c.medium);
        f.dialogs.answers = {std::nullopt};
        if (!c.file.empty()) {
            f.scratch.writeFile(c.file, c.firstLines);
            f.dialogs.answers = {f.scratch.path(c.file)};
        }
        f.state.modelData.DataFileName = "previous.one";
        f.state.modelData.AverageConcentration = 7;
        f.state.modelData.MaximumConcentration = 9;
        f.state.modelData.DataType = 3;
        f.state.riskInput.AverageConc = "7";
        f.state.riskInput.MaximumConc = "9";
        // Species records left behind by an earlier file must not be taken for this one's.
        f.state.modelData.SpeciesData.redim({0, 1});
        f.state.modelData.SpeciesData.at(1).DataType = 2;
        const AppState previous = f.state;
        const auto fill = c.reader == 2 ? singleValueInMgPerCubicMetre : [](ModelDataSet&) {};

        EXPECT_EQ(
            OpenModelDataFile(f.state, f.dialogs, f.prompter, fakeReaders(fill, c.reader > 0)),
            c.opened);
        std::vector<Message> shown;
        if (!c.message.title.empty()) {
            shown.push_back(c.message);
            shown.back().text = f.scratch.path(c.file) + c.message.text;
        }
        EXPECT_EQ(f.prompter.messages, shown);
        EXPECT_FALSE(f.prompter.isBusy());
        if (c.message.title == noData.title) {
            EXPECT_EQ(f.state.modelData, previous.modelData);
            EXPECT_EQ(f.state.riskInput, previous.riskInput);
            EXPECT_EQ(f.state.MediumCode, previous.MediumCode);
        } else if (c.opened) {
            const ModelDataSet& data = f.state.modelData;
            EXPECT_EQ(data.ModelName, "Surface Water");
            EXPECT_EQ(data.DataFileName, f.scratch.path(c.file));
            EXPECT_EQ(data.ConcentrationUnit, "mg/l");
            EXPECT_EQ(data.LengthUnit, "m");
            EXPECT_EQ(data.ModelResult, "0.005");
            EXPECT_EQ(f.state.riskInput.AverageConc, "0.005");
            EXPECT_EQ(f.state.riskInput.MaximumConc, "0.005");
            EXPECT_EQ(f.state.MonteCarloCount, 1);
            EXPECT_EQ(f.state.ResultCount, 1);
            EXPECT_EQ(f.state.MCChemicalCount, 1);
        } else {
            EXPECT_EQ(f.state.MediumCode, Medium::None);
            EXPECT_EQ(f.state.modelData.ModelName, "");
            EXPECT_EQ(f.state.modelData.DataFileName.empty(), c.file.empty()) << "only a cancel";
        }
    }
}

} // namespace
} // namespace torval
