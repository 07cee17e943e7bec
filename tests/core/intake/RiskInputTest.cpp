#include "intake/RiskInput.h"

#include "shell/RunTimeError.h"

#include <gtest/gtest.h>
#include <vector>

namespace torval {
namespace {

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
