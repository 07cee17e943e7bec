#include "intake/Pathways.h"

#include "shell/RunTimeError.h"

#include <array>

namespace torval {

namespace {

using Suggestions = std::span<const std::string_view>;

// Suggested values are list texts, kept character for character ("1.60" keeps its zero).
constexpr std::string_view DrinkingRateValues[] = {"2", "1.4"};
constexpr std::string_view ContactRateValues[] = {"0.05"};
constexpr std::string_view OneValue[] = {"1"};
constexpr std::string_view SevenValue[] = {"7"};
constexpr std::string_view YearRoundValue[] = {"365"};
constexpr std::string_view DurationValues[] = {"70", "30", "9"};
constexpr std::string_view BodyWeightValues[] = {"70", "16"};
constexpr std::string_view AverageTimeValues[] = {"70"};
constexpr std::string_view SkinAreaValues[] = {"0.728", "0.711", "0.931", "0.919", "1.16", "1.49",
                                               "1.48",  "1.75",  "1.60",  "1.94",  "1.69"};
constexpr std::string_view PermeabilityValues[] = {"0.00084"};
constexpr std::string_view BathingTimeValues[] = {"2.6"};
constexpr std::string_view SoilRateValues[] = {"200", "100"};
constexpr std::string_view SoilFractionValues[] = {"0.5"};
constexpr std::string_view AdherenceValues[] = {"1.45", "2.77"};
constexpr std::string_view AbsorptionValues[] = {"0.001", "0.1"};
constexpr std::string_view SoilEventValues[] = {"3", "5"};
constexpr std::string_view InhalationRateValues[] = {"30", "20"};
constexpr std::string_view InhalationTimeValues[] = {"12", "7"};
constexpr std::string_view FishRateValues[] = {"0.284", "0.113"};
constexpr std::string_view VegetableRateValues[] = {"0.05", "0.25", "0.01"};
constexpr std::string_view MeatRateValues[] = {"0.3", "0.1", "0.28", "0.112", "0.15", "0.064"};
constexpr std::string_view ProduceFractionValues[] = {"0.2"};
constexpr std::string_view MeatFractionValues[] = {"0.44", "0.4"};
constexpr std::string_view MealValues[] = {"48"};

// Labels are shown as they stand: two leading blanks and, except for Tavg, a blank after the
// colon.
constexpr std::string_view IngestionRateLabel = "  Ingestion Rate (Ri): ";
constexpr std::string_view FrequencyLabel = "  Exposure Frequency (Fe): ";
constexpr std::string_view ExposureTimeLabel = "  Exposure Time (Te): ";
constexpr std::string_view SkinAreaLabel = "  Skin Surface Area Available for Contact (As): ";
constexpr std::string_view FractionLabel = "  Fraction Ingested from Contaminated Source (Fi): ";

constexpr ParameterInfo frequency(std::string_view unit, Suggestions values, int row) {
    return {"Fe", FrequencyLabel, unit, values, row};
}

constexpr ParameterInfo duration(int row) {
    return {"Dt", "  Exposure Duration (Dt): ", "yr", DurationValues, row};
}

constexpr ParameterInfo bodyWeight(int row) {
    return {"Wb", "  Body Weight (Wb): ", "kg", BodyWeightValues, row};
}

constexpr ParameterInfo averageTime(int row) {
    return {"Tavg", "  Average Time Period of Exposure (Tavg):", "yr", AverageTimeValues, row};
}

constexpr ParameterInfo DrinkingWaterParameters[] = {
    {"Ri", IngestionRateLabel, "l/day", DrinkingRateValues, 14},
    frequency("day/yr", YearRoundValue, 15),
    duration(16),
    bodyWeight(17),
    averageTime(18),
};

constexpr ParameterInfo SwimmingParameters[] = {
    {"Rc", "  Contact Rate (Rc): ", "l/hr", ContactRateValues, 14},
    {"Te", ExposureTimeLabel, "hr/event", OneValue, 15},
    frequency("event/yr", SevenValue, 16),
    duration(17),
    bodyWeight(18),
    averageTime(19),
};

constexpr ParameterInfo DermalWaterParameters[] = {
    {"As", SkinAreaLabel, "cm\u00B2", SkinAreaValues, 13},
    {"Rd", "  Dermal Permeability Constant (Rd): ", "cm/hr", PermeabilityValues, 14},
    {"Te", ExposureTimeLabel, "hr/day", BathingTimeValues, 15},
    frequency("day/yr", SevenValue, 16),
    duration(17),
    bodyWeight(18),
    averageTime(19),
};

constexpr ParameterInfo SoilIngestionParameters[] = {
    {"Ri", IngestionRateLabel, "mg/day", SoilRateValues, 14},
    {"Fi", FractionLabel, "", SoilFractionValues, 15},
    frequency("day/yr", YearRoundValue, 16),
    duration(17),
    bodyWeight(18),
    averageTime(19),
};

constexpr ParameterInfo SoilDermalParameters[] = {
    {"As", SkinAreaLabel, "cm\u00B2/event", SkinAreaValues, 13},
    {"Ra", "  Soil-to-Skin Adherence Factor (Ra): ", "mg/cm\u00B2", AdherenceValues, 14},
    {"ABS", "  Absorption Factor (ABS): ", "", AbsorptionValues, 15},
    frequency("events/yr", SoilEventValues, 16),
    duration(17),
    bodyWeight(18),
    averageTime(19),
};

constexpr ParameterInfo InhalationParameters[] = {
    {"Ri", "  Inhalation Rate (Ri): ", "m\u00B3/hr", InhalationRateValues, 14},
    {"Te", "  Dependent on Exposure Duration (Te): ", "hr/day", InhalationTimeValues, 15},
    frequency("day/yr", YearRoundValue, 16),
    duration(17),
    bodyWeight(18),
    averageTime(19),
};

// Fish, vegetables and meat share one row layout and differ only in the suggestions of Ri
// and Fi.
constexpr std::array<ParameterInfo, 6> foodParameters(Suggestions rates, Suggestions fractions) {
    return {{
        {"Ri", IngestionRateLabel, "kg/meal", rates, 14},
        {"Fi", FractionLabel, "", fractions, 15},
        frequency("meal/yr", MealValues, 16),
        duration(17),
        bodyWeight(18),
        averageTime(19),
    }};
}

constexpr auto FishParameters = foodParameters(FishRateValues, ProduceFractionValues);
constexpr auto VegetableParameters = foodParameters(VegetableRateValues, ProduceFractionValues);
constexpr auto MeatDairyParameters = foodParameters(MeatRateValues, MeatFractionValues);

constexpr PathwayInfo Pathways[PathwayCount] = {
    {0, "Ingestion of Drinking Water", "             Ingestion of Drinking Water:", "DrinkingWater",
     DrinkingWaterParameters},
    {1, "Ingestion While Swimming", "               Ingestion While Swimming:", "Swimming",
     SwimmingParameters},
    {2, "Dermal Intake", "     Dermal Ingestion While Swimming or bathing:", "DermalWater",
     DermalWaterParameters},
    {3, "Intake via Soil, Sediment and Dust",
     "      Ingestion of Soil, Sediment or Dust:", "SoilIngestion", SoilIngestionParameters},
    {4, "Dermal Absorption of Soil, Semiment and Dust",
     "    Dermal Absorption of Soil, Sediment and Dust:", "SoilDermal", SoilDermalParameters},
    {5, "Air Intake", "  Inhalation of Vapor-Phase Chemical or Particulates:", "Inhalation",
     InhalationParameters},
    {6, "Ingestion of Fish and Shellfish", "           Ingestion with Fish or Shellfish:", "Fish",
     FishParameters},
    {7, "Ingestion of Vegetables and Other Produce",
     "         Ingestion of Vegetables and Produce:", "Vegetables", VegetableParameters},
    {8, "Ingestion of Meat, Eggs and Dairy Products",
     "   Ingestion from Meat, Eggs and Dairy Products:", "MeatDairy", MeatDairyParameters},
};

} // namespace

bool isPathwayCode(int code) noexcept {
    return code >= 0 && code < PathwayCount;
}

const PathwayInfo& pathwayInfo(int code) {
    if (!isPathwayCode(code)) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return Pathways[code];
}

} // namespace torval
