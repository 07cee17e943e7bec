#include "reports/ReportPathwaySections.h"

#include "shell/Text.h"

#include <array>
#include <span>
#include <string>

namespace torval {

namespace {

constexpr int ValueColumn = 30;

struct ReportParameter {
    std::string_view label;
    std::string_view unit;
};

struct ReportSection {
    std::string_view title;
    std::span<const ReportParameter> parameters;
};

constexpr ReportParameter Frequency(std::string_view unit) {
    return {"  Exposure Frequency (Fe): ", unit};
}
constexpr ReportParameter Duration{"  Exposure Duration (Dt): ", " yr"};
constexpr ReportParameter BodyWeight{"  Body Weight (Wb): ", " kg"};
constexpr ReportParameter AverageTime{"  Average Time period of exposure (Tavg): ", " day"};
constexpr ReportParameter IngestionRate(std::string_view unit) {
    return {"  Ingestion Rate (Ri): ", unit};
}
constexpr ReportParameter ExposureTime(std::string_view unit) {
    return {"  Exposure Time (Te): ", unit};
}
constexpr ReportParameter SkinArea(std::string_view unit) {
    return {"  Skin Surface Area Available for Contact (As): ", unit};
}
constexpr ReportParameter Fraction{"  Fraction Ingested from Contaminated Source (Fi): ", ""};

constexpr ReportParameter DrinkingWater[] = {IngestionRate(" l/day"), Frequency(" day/yr"),
                                             Duration, BodyWeight, AverageTime};
constexpr ReportParameter Swimming[] = {{"  Contact Rate (Rc): ", " l/hr"},
                                        ExposureTime(" hr/event"),
                                        Frequency(" event/yr"),
                                        Duration,
                                        BodyWeight,
                                        AverageTime};
constexpr ReportParameter DermalWater[] = {SkinArea(" cm\u00B2"),
                                           {"  Dermal Permeability Constant (Rd): ", " cm/hr"},
                                           ExposureTime(" hr/day"),
                                           Frequency(" day/yr"),
                                           Duration,
                                           BodyWeight,
                                           AverageTime};
constexpr ReportParameter SoilIngestion[] = {
    IngestionRate(" mg/day"), Fraction, Frequency(" day/yr"), Duration, BodyWeight, AverageTime};
constexpr ReportParameter SoilDermal[] = {
    SkinArea(" cm\u00B2/event"),
    {"  Soil-to-Skin Adherence Factor (Ra): ", " mg/cm\u00B2"},
    {"  Absorption Factor (ABS): ", ""},
    Frequency(" events/yr"),
    Duration,
    BodyWeight,
    AverageTime};
constexpr ReportParameter Inhalation[] = {{"  Inhalation Rate (Ri): ", " m\u00B3/hr"},
                                          {"  Dependent on Exposure Duration (Te): ", " hr/day"},
                                          Frequency(" day/yr"),
                                          Duration,
                                          BodyWeight,
                                          AverageTime};
constexpr ReportParameter Food[] = {
    IngestionRate(" kg/meal"), Fraction, Frequency(" meal/yr"), Duration, BodyWeight, AverageTime};

// Pathways 0..5; the food pathways go through PrintFoodSection.
constexpr std::array<ReportSection, 6> Sections = {{
    {"Ingestion of Drinking Water", DrinkingWater},
    {"Ingestion While Swimming", Swimming},
    {"Dermal Intake", DermalWater},
    {"Intake of Chemicals via Soil, Sediment, and Dust", SoilIngestion},
    {"Dermal Absorption of Soil, Sediment, and Dust", SoilDermal},
    {"Air Intakes", Inhalation},
}};

// The kind each food pathway hands its section, in pathway order from 6.
constexpr std::array<std::string_view, 3> FoodKinds = {"fish", "vegetable", "meat"};

void printSection(ReportBuilder& report, const ReportSection& section,
                  const PathwayParameters& parameters) {
    report.boldLine(section.title);
    for (std::size_t i = 0; i < section.parameters.size(); ++i) {
        const ReportParameter& parameter = section.parameters[i];
        report.labelled(parameter.label, ValueColumn,
                        parameters.at(i) + std::string(parameter.unit));
    }
}

} // namespace

void PrintFoodSection(ReportBuilder& report, const PathwayParameters& parameters,
                      std::string_view kind) {
    std::string_view title = "Ingestion of Meat, Eggs, and Dairy Products";
    if (contains(kind, "fish")) {
        title = "Ingestion of Fish and Shellfish";
    } else if (contains(kind, "vegetable")) {
        title = "Ingestion of Vegetables and Other Produce";
    }
    printSection(report, {title, Food}, parameters);
}

void PrintPathwaySection(ReportBuilder& report, const RiskInput& input) {
    const int code = input.IntakeType;
    const PathwayParameters& parameters = parameterSet(input, code);
    if (code < static_cast<int>(Sections.size())) {
        printSection(report, Sections[static_cast<std::size_t>(code)], parameters);
    } else {
        PrintFoodSection(report, parameters,
                         FoodKinds[static_cast<std::size_t>(code) - Sections.size()]);
    }
}

} // namespace torval
