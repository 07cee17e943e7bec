#include "intake/IntakeEquations.h"
#include "intake/Pathways.h"
#include "intake/RiskInput.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

// Every set filled, so that an equation reading the wrong set gives a different answer.
RiskInput inputWithEverySetAt(const std::string& value) {
    RiskInput input;
    for (int code = 0; code < 9; ++code) {
        for (std::string& text : parameterSet(input, code)) {
            text = value;
        }
    }
    return input;
}

RiskInput workFor(std::int16_t code, const std::string& concentration,
                  const PathwayParameters& parameters, const std::string& otherSets) {
    RiskInput work = inputWithEverySetAt(otherSets);
    work.IntakeType = code;
    work.Concentration = concentration;
    parameterSet(work, code) = parameters;
    return work;
}

// Expected values are worked out by hand from the factors, not by the equations.
TEST(ComputeIntake, EachPathwayAppliesItsEquationToItsOwnSet) {
    struct Case {
        std::int16_t code;
        std::string concentration;
        PathwayParameters parameters;
        std::string intake;
    };
    const std::vector<Case> cases = {
        // 2 x 365 x 70 / 4900
        {0, "1", {"2", "365", "70", "70", "70"}, "10.4285714285714"},
        // 0.5 x 4 x 2 x 7 x 10 = 280; / 700
        {1, "4", {"0.5", "2", "7", "10", "70", "10"}, "0.4"},
        {2, "1", {"1", "1", "1", "1", "1", "1", "1"}, "0.0001"},
        // 2 x 5 x 0.5 x 4 x 10 x 10 = 2000; x 0.0001 = 0.2; / 100
        {2, "5", {"2", "0.5", "4", "10", "10", "50", "2"}, "0.002"},
        // 200 x 1 x 0.000001 x 0.5 x 365 x 70 = 2.555; / 4900
        {3, "1", {"200", "0.5", "365", "70", "70", "70"}, "0.000521428571428571"},
        {4, "1", {"1", "1", "1", "1", "1", "1", "1"}, "1E-06"},
        // 5000 x (2 x 0.000001) = 0.01; x 1 x 0.1 x 10 x 10 = 0.1; / 10
        {4, "2", {"5000", "1", "0.1", "10", "10", "10", "1"}, "0.01"},
        // C x 0.000001 = 10000 meets As = 1e300 without overflow
        {4, "1e10", {"1e300", "1", "1", "1", "1", "1", "1"}, "1E+304"},
        // 20 x 0.5 x 12 x 365 x 30 = 1314000; / 2100
        {5, "0.5", {"20", "12", "365", "30", "70", "30"}, "625.714285714286"},
        // 0.284 x 10 x 0.2 x 48 x 70 = 1908.48; / 4900
        {6, "10", {"0.284", "0.2", "48", "70", "70", "70"}, "0.389485714285714"},
        // 0.25 x 4 x 0.5 x 48 x 10 = 240; / 480
        {7, "4", {"0.25", "0.5", "48", "10", "16", "30"}, "0.5"},
        // 0.3 x 2 x 0.4 x 48 x 9 = 103.68; / 144
        {8, "2", {"0.3", "0.4", "48", "9", "16", "9"}, "0.72"},
        // texts are read with their blanks
        {0, " 1 ", {" 2", "365 ", "70", "70", "70"}, "10.4285714285714"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pathway " << c.code << " expecting " << c.intake);
        const RiskInput work = workFor(c.code, c.concentration, c.parameters, "3");
        EXPECT_EQ(generalText(ComputeIntake(work)), c.intake);
    }
}

TEST(ComputeIntake, FailsWithTheCodeOfTheFirstBadStep) {
    struct Case {
        const char* name;
        std::int16_t code;
        std::string concentration;
        PathwayParameters parameters;
        int failure;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"empty Wb before the zero Tavg is used", 0, "1", {"2", "365", "70", "", "0"}, ErrorCode::TypeMismatch},
        {"zero Tavg", 0, "1", {"2", "365", "70", "70", "0"}, ErrorCode::DivisionByZero},
        {"zero Wb", 1, "1", {"1", "1", "1", "1", "0", "70"}, ErrorCode::DivisionByZero},
        {"Wb x Tavg too small for a double", 0, "1", {"1", "1", "1", "1e-200", "1e-200"}, ErrorCode::DivisionByZero},
        {"Wb x Tavg beyond a double", 0, "1", {"1", "1", "1", "1e200", "1e200"}, ErrorCode::Overflow},
        {"quotient beyond a double", 0, "1", {"1e300", "1", "1", "1e-10", "1e-10"}, ErrorCode::Overflow},
        {"first product overflows", 0, "1e308", {"1e10", "365", "70", "70", "70"}, ErrorCode::Overflow},
        {"third factor is read only after the first product overflowed",
         0,
         "1e308",
         {"1e10", "365", "abc", "70", "70"},
         ErrorCode::Overflow},
        {"second parameter is read before the first product",
         0,
         "1e308",
         {"1e10", "abc", "70", "70", "70"},
         ErrorCode::TypeMismatch},
        {"second parameter is read before the first", 0, "1", {"abc", "1e999", "1", "1", "1"}, ErrorCode::Overflow},
        {"concentration is read before any parameter", 0, "1e999", {"abc", "abc", "abc", "abc", "abc"}, ErrorCode::Overflow},
        {"concentration that is not a number", 0, "abc", {"1", "1", "1", "1", "0"}, ErrorCode::TypeMismatch},
        {"empty concentration", 5, "", {"1", "1", "1", "1", "1", "1"}, ErrorCode::TypeMismatch},
        {"blank parameter", 6, "1", {"1", " ", "1", "1", "1", "1"}, ErrorCode::TypeMismatch},
        {"factors are read before the divisor", 0, "1", {"2", "365", "abc", "70", "1e999"}, ErrorCode::TypeMismatch},
        {"Tavg is read before Wb", 0, "1", {"2", "365", "70", "abc", "1e999"}, ErrorCode::Overflow},
        {"Dt of a six-parameter set is read after the first product overflowed",
         1,
         "1e308",
         {"1e10", "1", "1", "abc", "1", "1"},
         ErrorCode::Overflow},
        {"soil ingestion scales Ri x C only once it is formed",
         3,
         "1e10",
         {"1e300", "1", "1", "1", "1", "1"},
         ErrorCode::Overflow},
        {"soil dermal reads ABS after As x C x 0.000001 overflowed",
         4,
         "1e308",
         {"1e10", "1", "abc", "1", "1", "1", "1"},
         ErrorCode::Overflow},
        {"dermal water applies 0.0001 after Dt", 2, "1", {"1e300", "1e5", "1e3", "10", "1", "1", "1"}, ErrorCode::Overflow},
        {"set shorter than the pathway's", 0, "1", {"2", "365", "70"}, ErrorCode::SubscriptOutOfRange},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RiskInput work = workFor(c.code, c.concentration, c.parameters, "1");
        EXPECT_EQ(codeOf([&] { ComputeIntake(work); }), c.failure);
    }
}

// A code outside the pathway table has no entry in it, and its intake is zero.
TEST(ComputeIntake, UnknownPathwayGivesZeroWithoutReadingAnything) {
    for (const std::int16_t code : {std::int16_t{-1}, std::int16_t{9}, std::int16_t{32767}}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(isPathwayCode(code));
        EXPECT_EQ(codeOf([&] { pathwayInfo(code); }), ErrorCode::SubscriptOutOfRange);
        RiskInput work = inputWithEverySetAt("abc");
        work.IntakeType = code;
        work.Concentration = "abc";
        EXPECT_EQ(ComputeIntake(work), 0.0);
    }
}

TEST(RiskInput, ResetClearsTheAnalysisButKeepsFileResultAndSelectedConcentration) {
    RiskInput input = inputWithEverySetAt("70");
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
