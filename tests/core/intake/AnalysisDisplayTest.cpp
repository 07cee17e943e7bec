#include "core/intake/AnalysisFormFixture.h"

#include <set>

namespace torval::testing {
namespace {

using AnalysisDisplayTest = AnalysisFormTest;

std::vector<int> visibleRows(const AnalysisForm& form, int first, int last) {
    std::vector<int> rows;
    for (int row = first; row <= last; ++row) {
        if (form.row(row).visible) {
            rows.push_back(row);
        }
    }
    return rows;
}

TEST_F(AnalysisDisplayTest, ShowsTheAxisRowsOfTheLayoutStackedInOrder) {
    struct Case {
        std::int16_t dataType;
        std::array<std::int16_t, 4> points; // X, Y, Z, T
        bool intervals;
        std::vector<int> coordinateRows;
        std::vector<int> intervalRows;
        std::vector<int> intervalSlots; // of the visible interval rows, in row order
    };
    const std::vector<Case> cases = {
        {3, {5, -1, -1, -1}, true, {2}, {6}, {0}},
        {6, {-1, -1, -1, 4}, true, {5}, {9}, {0}},
        {11, {1, -1, -1, 3}, true, {2, 5}, {6, 9}, {0, 1}},
        {14, {4, 3, -1, 2}, true, {2, 3, 5}, {6, 7, 9}, {0, 1, 2}},
        {17, {2, 2, 2, 2}, true, {2, 3, 4, 5}, {6, 7, 8, 9}, {0, 1, 2, 3}},
        {10, {3, 1, 1, 1}, true, {2, 3, 4}, {6, 7, 8}, {0, 1, 2}},
        {7, {1, 1, -1, -1}, false, {2, 3}, {}, {}}, // every axis a single point
        {8, {5, -1, 5, -1}, false, {2, 4}, {}, {}}, // X-Z takes no interval
        {16, {-1, 3, 3, 3}, false, {3, 4, 5}, {}, {}},
        {2, {-1, -1, -1, -1}, false, {}, {}, {}},
        {0, {-1, -1, -1, -1}, false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataType);
        reset();
        state.riskInput.ModelDataUsed = true;
        state.modelData.DataType = c.dataType;
        state.modelData.NumX = c.points[0];
        state.modelData.NumY = c.points[1];
        state.modelData.NumZ = c.points[2];
        state.modelData.NumT = c.points[3];
        openWindow();

        EXPECT_EQ(form->controls().intervalFrameVisible, c.intervals);
        EXPECT_EQ(visibleRows(*form, 2, 5), c.coordinateRows);
        EXPECT_EQ(visibleRows(*form, 6, 9), c.intervalRows);
        std::vector<int> slots;
        for (const int row : visibleRows(*form, 6, 9)) {
            slots.push_back(form->row(row).slot);
        }
        EXPECT_EQ(slots, c.intervalSlots);
        EXPECT_EQ(form->controls().intervalAxesShown, static_cast<int>(c.intervalRows.size()));
    }
}

TEST_F(AnalysisDisplayTest, ShowsTheDataFileWithItsUnitsAndConcentrations) {
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

TEST_F(AnalysisDisplayTest, InputModeShowsNoDataAndKeepsTheTypedConcentrations) {
    state.riskInput.AverageConc = "1.5";
    state.riskInput.SpecifiedConc = "2";
    openInputMode();
    state.modelData.DataType = 7; // left by an earlier file
    form->load();

    EXPECT_EQ(text(0), "Not Specified");
    EXPECT_EQ(text(1), "Not Specified");
    EXPECT_EQ(state.modelData.DataType, -1);
    EXPECT_FALSE(form->controls().intervalFrameVisible);
    EXPECT_TRUE(visibleRows(*form, 2, 9).empty());
    EXPECT_EQ(text(10), "1.5");
    EXPECT_EQ(text(12), "2");
    for (const int row : {2, 3, 4, 6, 7, 8}) {
        EXPECT_EQ(form->row(row).unit, "m") << row;
    }
    EXPECT_EQ(form->row(5).unit, "day");
    EXPECT_EQ(form->row(9).unit, "day");
    EXPECT_EQ(form->row(12).unit, "mg/l");
}

TEST_F(AnalysisDisplayTest, OpeningShowsTheChemicalTitleAndStoredResult) {
    fillGroundwaterXY(state);
    state.modelData.ChemicalNames.redim({0, 2});
    state.modelData.ChemicalNames.at(2) = "Benzene";
    state.MCChemicalCount = 2;
    state.MCCurrentChemical = 2;
    state.riskInput.FileName = "C:\\risk\\site.tvl";
    state.riskInput.ResultText = "0.000521428571428571";
    state.AnalysisState = Analysis::Saved;
    state.RiskFileOpened = true;
    openWindow();

    EXPECT_TRUE(form->controls().chemicalPanelVisible);
    EXPECT_EQ(form->controls().chemicalName, "Benzene");
    EXPECT_TRUE(form->controls()
                    .menus.item(AnalysisMenu::PlumexData, PlumexDataItem::SelectChemical)
                    .visible);
    EXPECT_EQ(form->controls().title, "RISK ASSESSMENT -- FileName: site.tvl");
    EXPECT_EQ(text(20), "0.000521428571428571") << "shown as stored";
    EXPECT_FALSE(state.RiskFileOpened);

    state.MCChemicalCount = 1;
    state.MCCurrentChemical = 0;
    form->load();
    EXPECT_FALSE(form->controls().chemicalPanelVisible);
    EXPECT_FALSE(form->controls()
                     .menus.item(AnalysisMenu::PlumexData, PlumexDataItem::SelectChemical)
                     .visible);
    EXPECT_EQ(state.MCCurrentChemical, 1);
}

TEST_F(AnalysisDisplayTest, TheResultsMenuFollowsTheStateAndTheResult) {
    struct Case {
        std::int16_t analysisState;
        std::string resultText;
        std::int32_t resultCount;
        bool graphics;
        bool view;
        std::string resultRow;
    };
    const std::vector<Case> cases = {
        {3, "Monte Carlo", 10, false, false, ""}, // the shown result no longer applies
        {2, "Monte Carlo", 3, true, true, "Monte Carlo"},
        {1, "monte carlo", 3, true, true, "monte carlo"},
        {2, "Monte Carlo", 2, false, true, "Monte Carlo"},
        {2, "10.4285714285714", 2, false, true, "10.4285714285714"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resultText + " " + std::to_string(c.analysisState));
        reset();
        state.AnalysisState = c.analysisState;
        state.riskInput.ResultText = c.resultText;
        state.ResultCount = c.resultCount;
        openInputMode();

        const AnalysisMenuBar& menus = form->controls().menus;
        EXPECT_EQ(menus.item(AnalysisMenu::Results, ResultsItem::Graphics).enabled, c.graphics);
        EXPECT_EQ(menus.item(AnalysisMenu::Results, ResultsItem::View).enabled, c.view);
        EXPECT_EQ(text(20), c.resultRow);
    }
}

TEST_F(AnalysisDisplayTest, TheKindLabelLooksAtTheEntriesInUse) {
    struct Case {
        const char* name;
        int concentrationOption;
        int referenceRow;
        std::string kind;
    };
    const std::vector<Case> cases = {
        {"the selected concentration", 2, 12, "Monte Carlo"},
        {"an unselected concentration", 2, 11, "Regular"},
        {"a parameter in use", 0, 17, "Monte Carlo"},
        {"a row the pathway does not use", 0, 19, "Regular"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        openInputMode();
        form->selectConcentration(c.concentrationOption);
        form->editEntry(c.referenceRow, reference("1.5", 1));
        form->SetKindLabel();
        EXPECT_EQ(form->controls().kindLabel, c.kind);
    }
}

} // namespace
} // namespace torval::testing
