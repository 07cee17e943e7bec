#include "intake/RiskInput.h"

#include "shell/RunTimeError.h"

#include <gtest/gtest.h>
#include <vector>

namespace torval {
namespace {

TEST(RiskInput, ParameterSetSelectsTheSetOfEachPathway) {
    struct Case {
        PathwayParameters RiskInput::*member;
        std::size_t size;
    };
    const std::vector<Case> cases = {
        {&RiskInput::DrinkingWater, 5}, {&RiskInput::Swimming, 6},   {&RiskInput::DermalWater, 7},
        {&RiskInput::SoilIngestion, 6}, {&RiskInput::SoilDermal, 7}, {&RiskInput::Inhalation, 6},
        {&RiskInput::Fish, 6},          {&RiskInput::Vegetables, 6}, {&RiskInput::MeatDairy, 6},
    };
    RiskInput input;
    for (int code = 0; code < static_cast<int>(cases.size()); ++code) {
        SCOPED_TRACE(code);
        const Case& c = cases[static_cast<std::size_t>(code)];
        EXPECT_EQ(&parameterSet(input, code), &(input.*c.member));
        EXPECT_EQ(&parameterSet(static_cast<const RiskInput&>(input), code), &(input.*c.member));
        EXPECT_EQ((input.*c.member).size(), c.size);
    }
    for (const int code : {-1, 9}) {
        SCOPED_TRACE(code);
        EXPECT_THROW(parameterSet(input, code), RunTimeError);
    }
}

TEST(RiskInput, ResetClearsTheAnalysisButKeepsFileResultAndSelectedConcentration) {
    RiskInput input;
    input.ModelDataUsed = true;
    input.FileName = "C:\\RUNS\\SITE.TVL";
    input.XInterval = "1:5";
    input.YInterval = "2:3";
    input.ZInterval = "0:1";
    input.TInterval = "10:20";
    input.ConcChoice = 2;
    input.AverageConc = "0.5";
    input.MaximumConc = "0.9";
    input.SpecifiedConc = "1.2";
    input.Concentration = "1.2";
    input.IntakeType = 6;
    for (int code = 0; code < 9; ++code) {
        for (std::string& text : parameterSet(input, code)) {
            text = "70";
        }
    }
    input.Fish.push_back("a seventh text that does not belong");
    input.ResultText = "Monte Carlo";

    ResetRiskInput(input);

    RiskInput expected;
    expected.FileName = "C:\\RUNS\\SITE.TVL";
    expected.Concentration = "1.2";
    expected.ResultText = "Monte Carlo";
    EXPECT_EQ(input, expected);
    EXPECT_EQ(input.Fish.size(), 6u);
}

} // namespace
} // namespace torval
