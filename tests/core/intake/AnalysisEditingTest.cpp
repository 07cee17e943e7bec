#include "core/intake/AnalysisFormFixture.h"
#include "intake/Pathways.h"

namespace torval::testing {
namespace {

using AnalysisEditingTest = AnalysisFormTest;

TEST_F(AnalysisEditingTest, OnlyARealChangeOfAnEntryMarksTheInputChanged) {
    struct Case {
        const char* name;
        int row;
        std::string before;
        std::string typed;
        bool riskFileOpened;
        std::int16_t analysisState;
    };
    const std::vector<Case> cases = {
        {"blanks around an interval", 6, "0:10", " 0:10  ", false, Analysis::Calculated},
        {"another case", 12, "1e-3", "1E-3", false, Analysis::Calculated},
        {"another value", 12, "1", "2", false, Analysis::Changed},
        {"a parameter", 17, "70", "16", false, Analysis::Changed},
        {"while a risk file is being shown", 12, "1", "2", true, Analysis::Calculated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        fillGroundwaterXY(state);
        state.riskInput.XInterval = c.row == 6 ? c.before : "";
        state.riskInput.SpecifiedConc = c.row == 12 ? c.before : "";
        state.riskInput.DrinkingWater[3] = c.row == 17 ? c.before : "";
        state.AnalysisState = Analysis::Calculated;
        openWindow();
        state.RiskFileOpened = c.riskFileOpened;

        form->focusEntry(c.row);
        EXPECT_TRUE(form->row(c.row).highlighted);
        form->editEntry(c.row, c.typed);
        form->focusElsewhere();

        EXPECT_FALSE(form->row(c.row).highlighted);
        EXPECT_EQ(state.AnalysisState, c.analysisState);
        EXPECT_EQ(form->controls().menus.item(AnalysisMenu::Results, ResultsItem::View).enabled,
                  c.analysisState != Analysis::Changed);
        EXPECT_EQ(form->controls().menus.item(AnalysisMenu::File, FileItem::ExportCsv).enabled,
                  c.analysisState != Analysis::Changed);
    }
}

TEST_F(AnalysisEditingTest, IntervalsAreCheckedAgainstTheAxesWhenAllAreFilled) {
    struct Case {
        const char* name;
        std::string x;
        std::string y;
        std::string title; // "" when no message
        std::string text;
        int focusedRow;
        std::string average;
        double largestX = 20; // a rounding error short of 20 when built by repeated addition
    };
    const std::string outsideX = "X interval inputed is outside of PLUMEX Data range\r\r"
                                 "Please input proper values for X interval.";
    const std::string outsideY = "Y interval inputed is outside of PLUMEX Data range\r\r"
                                 "Please input proper values for Y interval.";
    const std::string noPointX = "X interval inputed holds no point of the PLUMEX Data grid\r\r"
                                 "The nearest X values of the grid are 10 and 20. Please input a "
                                 "X interval that holds at least one of them.";
    // clang-format off
    const std::vector<Case> cases = {
        {"the whole grid", "0:20", "0:5", "", "", AnalysisRows::NoFocus, "102.5"},
        {"the ends of the axes are inside", "20:20", "5:5", "", "", AnalysisRows::NoFocus, "205"},
        {"part of X", "0:10", "0:5", "", "", AnalysisRows::NoFocus, "52.5"},
        {"max as the range text, axis a rounding error short", "20", "0:5", "", "",
         AnalysisRows::NoFocus, "202.5", 20 - 4e-15},
        {"max above the largest X", "0:20.000001", "0:5", "Improper Value", outsideX, 6, ""},
        {"min below the smallest X", "-0.1:20", "0:5", "Improper Value", outsideX, 6, ""},
        {"max above the largest Y", "0:20", "0:6", "Improper Value", outsideY, 7, ""},
        {"between two X points", "11:19", "0:5", "Improper Value", noPointX, 6, ""},
        {"a single X value between points", "15", "0:5", "Improper Value", noPointX, 6, ""},
        {"blanks only", "0:20", "  ", "Empty Data", "Please input the interval values first.", 7, ""},
        {"one interval still missing: nothing checked", "-5:50", "", "", "", AnalysisRows::NoFocus, "102.5"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        fillGroundwaterXY(state);
        state.modelData.XValues.at(3) = c.largestX;
        openWindow();
        form->focusEntry(7);
        form->editEntry(7, c.y);
        form->focusEntry(6);
        form->editEntry(6, c.x);
        form->focusElsewhere();

        const Message shown{c.text, c.title, MessageIcon::Information};
        EXPECT_EQ(prompter.messages, c.title.empty() ? std::vector<Message>{} : std::vector{shown});
        EXPECT_EQ(form->controls().tabPage, AnalysisPages::Data);
        EXPECT_EQ(form->controls().focusedRow, c.focusedRow);
        EXPECT_EQ(text(10), c.average);
        EXPECT_EQ(text(11), "205") << "the maximum is not recomputed";
        if (c.title == "Improper Value") {
            // The calculation is refused, saying why, until the interval is fixed.
            prompter.messages.clear();
            form->CalculationCommand();
            EXPECT_EQ(prompter.messages, std::vector{shown});
            EXPECT_EQ(form->controls().focusedRow, c.focusedRow);
        }
    }
}

TEST_F(AnalysisEditingTest, NewIntervalsDiscardAMonteCarloAverage) {
    struct Case {
        const char* name;
        std::int16_t dataType;
        int option;
        std::string y;
        bool reset;
        std::string average;
    };
    const std::vector<Case> cases = {
        {"a varied average", 7, 0, "", true, "102.5"},
        // The reset comes first: the new average would hide the reference it replaces.
        {"a varied average, then recomputed", 7, 0, "0:5", true, "52.5"},
        {"the maximum is used", 7, 1, "", false, reference("102.5", 1)},
        {"the file's own Monte Carlo values", 0, 0, "", false, reference("102.5", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        fillGroundwaterXY(state);
        openWindow();
        form->selectConcentration(c.option);
        state.modelData.DataType = c.dataType; // as far as the rule is concerned
        form->editEntry(10, reference("102.5", 1));
        form->editEntry(7, c.y);
        state.MonteCarloCount = 21;
        state.SavedMCInputRowCount = 5;

        type(6, "0:10");

        EXPECT_EQ(state.MonteCarloCount, c.reset ? 0 : 21);
        EXPECT_EQ(state.SavedMCInputRowCount, c.reset ? 0 : 5);
        EXPECT_EQ(text(10), c.average);
    }
}

TEST_F(AnalysisEditingTest, AChangeOfPathwayStartsTheMonteCarloRunAfresh) {
    struct Case {
        const char* name;
        bool riskFileOpened;
        std::int16_t analysisState;
    };
    const std::vector<Case> cases = {
        {"an analysis being worked on", false, Analysis::Changed},
        {"a risk file still being shown", true, Analysis::Calculated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        openInputMode();
        form->selectConcentration(2);
        form->editEntry(12, reference("1.5", 1));
        form->editEntry(14, reference("2", 2));
        form->SetKindLabel();
        state.MonteCarloCount = 101;
        state.SavedMCInputRowCount = 2;
        state.SavedMCResultRowCount = 2;
        state.riskInput.ResultText = "Monte Carlo";
        state.ResultCount = 101;
        state.AnalysisState = Analysis::Calculated;
        form->RefreshResultsMenu();
        state.RiskFileOpened = c.riskFileOpened;

        form->selectPathway(5);

        EXPECT_EQ(state.riskInput.IntakeType, 5);
        EXPECT_EQ(form->row(20).caption, "  Inhalation of Vapor-Phase Chemical or Particulates:");
        EXPECT_EQ(state.MonteCarloCount, 0);
        EXPECT_EQ(state.SavedMCInputRowCount, 0);
        EXPECT_EQ(state.SavedMCResultRowCount, 0);
        EXPECT_EQ(text(12), "1.5");
        EXPECT_EQ(text(14), "2");
        EXPECT_EQ(form->controls().kindLabel, "Regular");
        EXPECT_EQ(state.AnalysisState, c.analysisState);
        EXPECT_EQ(form->controls().menus.item(AnalysisMenu::Results, ResultsItem::Graphics).enabled,
                  c.riskFileOpened);
    }
}

using AnalysisDisplayTest = AnalysisFormTest;

// The window shows the data file with its units and concentrations, and reads back into the
// set of the current pathway only.
TEST_F(AnalysisDisplayTest, ShowsTheDataFileAndReadsBackTheCurrentSet) {
    fillGroundwaterXY(state);
    state.modelData.DataFileName = "/data/Site/plume.two";
    state.riskInput.XInterval = "0:10";
    state.riskInput.YInterval = "5:5";
    state.riskInput.AverageConc = "stored";
    openWindow();

    EXPECT_EQ(text(0), "GROUNDWATER - TWO DIMENSIONAL");
    EXPECT_EQ(text(1), "/DATA/SITE/PLUME.TWO");
    EXPECT_EQ(text(2), "0:20:10");
    EXPECT_EQ(text(3), "0:5:5");
    EXPECT_EQ(text(6), "0:10");
    EXPECT_EQ(text(7), "5:5");
    EXPECT_EQ(text(10), "102.5") << "the data set's average, not the stored text";
    EXPECT_EQ(text(11), "205");
    for (const int row : {2, 3, 4, 6, 7, 8}) {
        EXPECT_EQ(form->row(row).unit, "m") << row;
    }
    EXPECT_EQ(form->row(5).unit, "day");
    EXPECT_EQ(form->row(10).unit, "mg/l");
    EXPECT_EQ(form->controls().kindLabel, "Regular");

    type(6, " 0:10 ");
    form->selectConcentration(1);
    type(12, " 3 ");
    form->selectPathway(3);
    const std::vector<std::string> soil = {"200", "0.5", "365", "70", "70", "70"};
    for (int row = 14; row <= 19; ++row) {
        type(row, " " + soil[static_cast<std::size_t>(row - 14)] + " ");
    }
    RiskInput input;
    input.DrinkingWater = {"kept", "", "", "", ""};
    form->ReadInputFromWindow(input);

    EXPECT_EQ(input.XInterval, "0:10");
    EXPECT_EQ(input.ZInterval, "") << "a hidden row reads empty";
    EXPECT_EQ(input.ConcChoice, 1);
    EXPECT_EQ(input.MaximumConc, "205");
    EXPECT_EQ(input.SpecifiedConc, "3");
    EXPECT_EQ(input.Concentration, "205");
    EXPECT_EQ(input.IntakeType, 3);
    EXPECT_EQ(input.SoilIngestion, soil);
    EXPECT_EQ(input.DrinkingWater[0], "kept");

    // Fish reads the same rows into its own set; soil keeps what it had.
    form->selectPathway(6);
    type(14, "0.284");
    form->ReadInputFromWindow(input);
    EXPECT_EQ(input.SoilIngestion, soil);
    EXPECT_EQ(input.Fish[0], "0.284");
    EXPECT_EQ(input.Fish[1], "0.5");
}

TEST_F(AnalysisDisplayTest, AFileWithItsOwnMonteCarloValuesShowsTheAverageAsAReference) {
    state.riskInput.ModelDataUsed = true;
    state.modelData.DataType = 0;
    state.modelData.AverageConcentration = 1.0 / 3.0;
    state.modelData.MaximumConcentration = 0.5;
    openWindow();

    EXPECT_EQ(text(10), "Monte Carlo" + std::string(500, ' ') + "0.33333");
    EXPECT_EQ(text(11), "0.5");
    EXPECT_TRUE(form->row(10).red());
    EXPECT_EQ(form->controls().kindLabel, "Monte Carlo");

    form->StripMonteCarloReferences();
    EXPECT_EQ(text(10), "Monte Carlo" + std::string(500, ' ') + "0.33333")
        << "the file's own reference stays";
}

} // namespace
} // namespace torval::testing
