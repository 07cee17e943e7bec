#include "core/intake/AnalysisFormFixture.h"
#include "intake/Pathways.h"

#include <set>

namespace torval::testing {
namespace {

using AnalysisWindowOperationsTest = AnalysisFormTest;

std::set<int> visibleParameterRows(const AnalysisForm& form) {
    std::set<int> rows;
    for (int row = 13; row <= 19; ++row) {
        if (form.row(row).visible) {
            rows.insert(row);
        }
    }
    return rows;
}

TEST_F(AnalysisWindowOperationsTest, ShowsOnlyTheRowsOfTheLastPathway) {
    struct Case {
        const char* name;
        std::vector<std::int16_t> pathways; // shown in turn
        std::set<int> rows;
        std::string unit15;
        std::vector<std::string> list14;
    };
    const std::vector<Case> cases = {
        {"five parameters after seven", {2, 0}, {14, 15, 16, 17, 18}, "day/yr", {"2", "1.4"}},
        {"five parameters after six", {1, 0}, {14, 15, 16, 17, 18}, "day/yr", {"2", "1.4"}},
        {"six after seven: no unit for Fi", {4, 3}, {14, 15, 16, 17, 18, 19}, "", {"200", "100"}},
        {"seven", {0, 4}, {13, 14, 15, 16, 17, 18, 19}, "", {"1.45", "2.77"}},
        {"an unknown code is drinking water",
         {5, 12},
         {14, 15, 16, 17, 18},
         "day/yr",
         {"2", "1.4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reset();
        openInputMode();
        form->editEntry(17, "typed");
        for (const std::int16_t pathway : c.pathways) {
            state.riskInput.IntakeType = pathway;
            form->SetPathwayRows();
        }
        EXPECT_EQ(visibleParameterRows(*form), c.rows);
        EXPECT_EQ(form->row(15).unit, c.unit15);
        EXPECT_EQ(form->row(14).list, c.list14);
        EXPECT_TRUE(isPathwayCode(state.riskInput.IntakeType));
        EXPECT_EQ(text(17), "typed") << "entry texts are not filled in";
    }
}

TEST_F(AnalysisWindowOperationsTest, ReadingTheWindowFillsOnlyTheCurrentSet) {
    fillGroundwaterXY(state);
    openWindow();
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

TEST_F(AnalysisWindowOperationsTest, WritingTheWindowShowsTheRecordWithoutAnEdit) {
    openInputMode();
    state.AnalysisState = Analysis::Saved;
    state.MonteCarloCount = 51;
    state.SavedMCResultRowCount = 2;
    RiskInput input;
    input.ConcChoice = 1;
    input.MaximumConc = "4.5";
    input.IntakeType = 3;
    input.SoilIngestion = {" 200 ", "0.5", "365", "70", "70", reference("70", 2)};

    form->WriteInputToWindow(input);

    EXPECT_EQ(form->controls().concentrationOption, 1);
    EXPECT_EQ(form->controls().concentrationPictures,
              (std::array<OptionPicture, 3>{OptionPicture::Unchecked, OptionPicture::Checked,
                                            OptionPicture::Unchecked}));
    EXPECT_EQ(text(11), "4.5");
    EXPECT_EQ(form->controls().pathwayOption, 3);
    EXPECT_EQ(form->row(20).caption, "      Ingestion of Soil, Sediment or Dust:");
    EXPECT_EQ(text(14), "200");
    EXPECT_EQ(text(19), "Monte Carlo|70:2");
    EXPECT_EQ(state.AnalysisState, Analysis::Saved);
    EXPECT_EQ(state.MonteCarloCount, 51) << "the stored Monte Carlo run stays usable";
    EXPECT_EQ(state.SavedMCResultRowCount, 2);

    input.IntakeType = 11;
    form->WriteInputToWindow(input);
    EXPECT_EQ(form->controls().pathwayOption, 0);
    EXPECT_EQ(visibleParameterRows(*form), (std::set<int>{14, 15, 16, 17, 18}));
    EXPECT_EQ(text(14), "200") << "an unknown pathway writes no parameter";
}

} // namespace
} // namespace torval::testing
