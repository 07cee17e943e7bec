#include "intake/Pathways.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

std::string symbolsOf(const PathwayInfo& info) {
    std::string symbols;
    for (const ParameterInfo& parameter : info.parameters) {
        symbols += std::string(symbols.empty() ? "" : " ") + std::string(parameter.symbol);
    }
    return symbols;
}

std::size_t leadingBlanks(std::string_view text) {
    return text.find_first_not_of(' ');
}

std::vector<std::string_view> listOf(std::span<const std::string_view> suggestions) {
    return {suggestions.begin(), suggestions.end()};
}

TEST(Pathways, EachCodeHasItsCaptionsSetAndRows) {
    struct Case {
        std::string_view caption;
        std::size_t titleBlanks;
        std::string_view title; // without its leading blanks
        std::string_view setName;
        std::string symbols;
        int firstRow;
        int lastRow;
    };
    const std::vector<Case> cases = {
        {"Ingestion of Drinking Water", 13, "Ingestion of Drinking Water:", "DrinkingWater",
         "Ri Fe Dt Wb Tavg", 14, 18},
        {"Ingestion While Swimming", 15, "Ingestion While Swimming:", "Swimming",
         "Rc Te Fe Dt Wb Tavg", 14, 19},
        {"Dermal Intake", 5, "Dermal Ingestion While Swimming or bathing:", "DermalWater",
         "As Rd Te Fe Dt Wb Tavg", 13, 19},
        {"Intake via Soil, Sediment and Dust", 6,
         "Ingestion of Soil, Sediment or Dust:", "SoilIngestion", "Ri Fi Fe Dt Wb Tavg", 14, 19},
        {"Dermal Absorption of Soil, Semiment and Dust", 4,
         "Dermal Absorption of Soil, Sediment and Dust:", "SoilDermal", "As Ra ABS Fe Dt Wb Tavg",
         13, 19},
        {"Air Intake", 2, "Inhalation of Vapor-Phase Chemical or Particulates:", "Inhalation",
         "Ri Te Fe Dt Wb Tavg", 14, 19},
        {"Ingestion of Fish and Shellfish", 11, "Ingestion with Fish or Shellfish:", "Fish",
         "Ri Fi Fe Dt Wb Tavg", 14, 19},
        {"Ingestion of Vegetables and Other Produce", 9,
         "Ingestion of Vegetables and Produce:", "Vegetables", "Ri Fi Fe Dt Wb Tavg", 14, 19},
        {"Ingestion of Meat, Eggs and Dairy Products", 3,
         "Ingestion from Meat, Eggs and Dairy Products:", "MeatDairy", "Ri Fi Fe Dt Wb Tavg", 14,
         19},
    };
    ASSERT_EQ(cases.size(), std::size_t{PathwayCount});
    for (int code = 0; code < PathwayCount; ++code) {
        SCOPED_TRACE(code);
        const Case& c = cases[static_cast<std::size_t>(code)];
        const PathwayInfo& info = pathwayInfo(code);
        EXPECT_EQ(info.code, code);
        EXPECT_EQ(info.caption, c.caption);
        EXPECT_EQ(leadingBlanks(info.resultTitle), c.titleBlanks);
        EXPECT_EQ(info.resultTitle.substr(c.titleBlanks), c.title);
        EXPECT_EQ(info.setName, c.setName);
        EXPECT_EQ(symbolsOf(info), c.symbols);
        EXPECT_EQ(info.firstRow(), c.firstRow);
        EXPECT_EQ(info.lastRow(), c.lastRow);
        for (std::size_t k = 1; k < info.parameters.size(); ++k) {
            EXPECT_EQ(info.parameters[k].row, info.parameters[k - 1].row + 1) << k;
        }
    }
}

TEST(Pathways, LabelsKeepTheirBlanks) {
    for (int code = 0; code < PathwayCount; ++code) {
        for (const ParameterInfo& parameter : pathwayInfo(code).parameters) {
            SCOPED_TRACE(::testing::Message() << code << " " << parameter.symbol);
            const std::string_view label = parameter.label;
            EXPECT_EQ(leadingBlanks(label), 2u);
            const std::string ending = "(" + std::string(parameter.symbol) + "):";
            EXPECT_EQ(label.ends_with(ending + " "), parameter.symbol != "Tavg");
            EXPECT_EQ(label.ends_with(ending), parameter.symbol == "Tavg");
        }
    }
    EXPECT_EQ(pathwayInfo(3).parameters[1].label,
              "  Fraction Ingested from Contaminated Source (Fi): ");
    EXPECT_EQ(pathwayInfo(5).parameters[1].label, "  Dependent on Exposure Duration (Te): ");
    EXPECT_EQ(pathwayInfo(4).parameters[1].label, "  Soil-to-Skin Adherence Factor (Ra): ");
    EXPECT_EQ(pathwayInfo(0).parameters[4].label, "  Average Time Period of Exposure (Tavg):");
}

TEST(Pathways, UnitsAreUtf8) {
    const std::string Two = "\u00B2";
    const std::string Three = "\u00B3";
    struct Case {
        int code;
        std::size_t position;
        std::string unit;
    };
    const std::vector<Case> cases = {
        {2, 0, std::string("cm") + Two},
        {4, 0, std::string("cm") + Two + "/event"},
        {4, 1, std::string("mg/cm") + Two},
        {5, 0, std::string("m") + Three + "/hr"},
        {4, 2, ""},
        {3, 1, ""},
        {8, 1, ""},
        {1, 1, "hr/event"},
        {1, 2, "event/yr"},
        {4, 3, "events/yr"},
        {7, 2, "meal/yr"},
        {6, 0, "kg/meal"},
        {0, 0, "l/day"},
        {8, 5, "yr"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.code << " " << c.position);
        EXPECT_EQ(pathwayInfo(c.code).parameters[c.position].unit, c.unit);
    }
}

TEST(Pathways, SuggestedValuesAreListTextsAsShown) {
    using List = std::vector<std::string_view>;
    const List skinAreas = {"0.728", "0.711", "0.931", "0.919", "1.16", "1.49",
                            "1.48",  "1.75",  "1.60",  "1.94",  "1.69"};
    EXPECT_EQ(listOf(pathwayInfo(2).parameters[0].suggestions), skinAreas);
    EXPECT_EQ(listOf(pathwayInfo(4).parameters[0].suggestions), skinAreas);
    EXPECT_EQ(listOf(pathwayInfo(2).parameters[1].suggestions), List{"0.00084"});
    EXPECT_EQ(listOf(pathwayInfo(4).parameters[2].suggestions), (List{"0.001", "0.1"}));
    EXPECT_EQ(listOf(pathwayInfo(6).parameters[0].suggestions), (List{"0.284", "0.113"}));
    EXPECT_EQ(listOf(pathwayInfo(7).parameters[0].suggestions), (List{"0.05", "0.25", "0.01"}));
    EXPECT_EQ(listOf(pathwayInfo(8).parameters[0].suggestions),
              (List{"0.3", "0.1", "0.28", "0.112", "0.15", "0.064"}));
    EXPECT_EQ(listOf(pathwayInfo(6).parameters[1].suggestions), List{"0.2"});
    EXPECT_EQ(listOf(pathwayInfo(7).parameters[1].suggestions), List{"0.2"});
    EXPECT_EQ(listOf(pathwayInfo(3).parameters[1].suggestions), List{"0.5"});
    EXPECT_EQ(listOf(pathwayInfo(4).parameters[3].suggestions), (List{"3", "5"}));
    EXPECT_EQ(listOf(pathwayInfo(6).parameters[2].suggestions), List{"48"});
    EXPECT_EQ(listOf(pathwayInfo(8).parameters[1].suggestions), (List{"0.44", "0.4"}));
    EXPECT_EQ(listOf(pathwayInfo(1).parameters[2].suggestions), List{"7"});
    EXPECT_EQ(listOf(pathwayInfo(5).parameters[1].suggestions), (List{"12", "7"}));

    for (int code = 0; code < PathwayCount; ++code) {
        SCOPED_TRACE(code);
        const auto& parameters = pathwayInfo(code).parameters;
        const std::size_t count = parameters.size();
        EXPECT_EQ(listOf(parameters[count - 3].suggestions), (List{"70", "30", "9"}));
        EXPECT_EQ(listOf(parameters[count - 2].suggestions), (List{"70", "16"}));
        EXPECT_EQ(listOf(parameters[count - 1].suggestions), List{"70"});
    }
}

TEST(Pathways, CodesOutsideTheTableAreRejected) {
    for (const int code : {-1, 9, 32767}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(isPathwayCode(code));
        EXPECT_EQ(codeOf([&] { pathwayInfo(code); }), ErrorCode::SubscriptOutOfRange);
    }
}

} // namespace
} // namespace torval
