#include "analysisfile/RiskInputSection.h"

#include "analysisfile/RiskFileFields.h"
#include "analysisfile/RiskFileLines.h"
#include "intake/Pathways.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <array>
#include <vector>

namespace torval {

namespace {

constexpr std::string_view BeginMarker = "[Begin Input Data]";
constexpr std::string_view EndMarker = "[End Input Data]";
constexpr std::string_view ModelLabel = "Model: ";
constexpr std::string_view ModelDataLabel = "PLUMEX Data: ";
constexpr std::string_view UnitLine = "Ingestion Unit: mg/(kg-day)";
constexpr std::array<std::string_view, 4> IntervalLabels = {
    "X interval: ", "Y interval: ", "Z interval: ", "T interval: "};
constexpr std::string_view ChoiceLabel = "Selected Concentration: ";
constexpr std::string_view AverageLabel = "Average  Concentration: ";
constexpr std::string_view MaximumLabel = "Maximum  Concentration: ";
constexpr std::string_view SpecifiedLabel = "Specified Concentration: ";
constexpr std::string_view IntakeTypeLabel = "Intake Type: ";

// The four parameters every pathway ends with, after those of its own.
template <std::size_t N>
constexpr std::array<std::string_view, N + 4>
withCommonTail(const std::array<std::string_view, N>& own) {
    std::array<std::string_view, N + 4> labels{};
    for (std::size_t i = 0; i < N; ++i) {
        labels[i] = own[i];
    }
    labels[N] = "Exposure Frequency (Fe): ";
    labels[N + 1] = "Exposure Duration (Dt): ";
    labels[N + 2] = "Body Weight (Wb): ";
    labels[N + 3] = "Average Time period of exposure (Tavg): ";
    return labels;
}

constexpr auto DrinkingWaterLabels =
    withCommonTail(std::array<std::string_view, 1>{"Ingestion Rate (Ri): "});
constexpr auto SwimmingLabels =
    withCommonTail(std::array<std::string_view, 2>{"Contact Rate (Rc): ", "Exposure Time (Te): "});
constexpr auto DermalWaterLabels = withCommonTail(
    std::array<std::string_view, 3>{"Skin Surface Area Available for Contact (As): ",
                                    "Dermal Permeability Constant (Rd): ", "Exposure Time (Te): "});
constexpr auto SoilIngestionLabels = withCommonTail(std::array<std::string_view, 2>{
    "Ingestion Rate (Ri): ", "Fraction Ingested from Contaminated Source (Fi): "});
constexpr auto SoilDermalLabels = withCommonTail(std::array<std::string_view, 3>{
    "Skin Surface Area Available for Contact (As): ", "Soil-to-Skin Adherence Factor (Ra): ",
    "Absorption Factor (ABS): "});
constexpr auto InhalationLabels = withCommonTail(std::array<std::string_view, 2>{
    "Inhalation Rate (Ri): ", "Dependent on Exposure Duration (Te): "});
// Fish, vegetables and meat have always been saved under the inhalation rate's label.
constexpr auto FoodLabels = withCommonTail(std::array<std::string_view, 2>{
    "Inhalation Rate (Ri): ", "Fraction Ingested from Contaminated Source (Fi): "});

constexpr std::array<std::span<const std::string_view>, PathwayCount> LabelsByPathway = {
    DrinkingWaterLabels, SwimmingLabels, DermalWaterLabels, SoilIngestionLabels, SoilDermalLabels,
    InhalationLabels,    FoodLabels,     FoodLabels,        FoodLabels};

std::array<const std::string*, 4> intervalsOf(const RiskInput& input) {
    return {&input.XInterval, &input.YInterval, &input.ZInterval, &input.TInterval};
}

std::array<std::string*, 4> intervalsOf(RiskInput& input) {
    return {&input.XInterval, &input.YInterval, &input.ZInterval, &input.TInterval};
}

std::int16_t readIntakeType(FreeFormatReader& in) {
    const std::int16_t code = toInt16(readLabelled(in, IntakeTypeLabel));
    if (!isPathwayCode(code)) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "unknown intake type");
    }
    return code;
}

} // namespace

std::span<const std::string_view> riskFileParameterLabels(int intakeType) {
    if (!isPathwayCode(intakeType)) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return LabelsByPathway[static_cast<std::size_t>(intakeType)];
}

void WriteInputDataSection(std::string& out, const RiskInput& input) {
    const auto labels = riskFileParameterLabels(input.IntakeType);
    const PathwayParameters& values = parameterSet(input, input.IntakeType);
    appendLine(out, BeginMarker);
    appendLabelled(out, ModelLabel, "Risk");
    appendLabelled(out, ModelDataLabel, booleanText(input.ModelDataUsed));
    appendLine(out, "");
    appendLine(out, UnitLine);
    appendLine(out, "");
    const auto intervals = intervalsOf(input);
    for (std::size_t i = 0; i < IntervalLabels.size(); ++i) {
        appendLabelled(out, IntervalLabels[i], *intervals[i]);
    }
    appendLine(out, "");
    appendLabelled(out, ChoiceLabel, std::to_string(input.ConcChoice));
    appendLabelled(out, AverageLabel, input.AverageConc);
    appendLabelled(out, MaximumLabel, input.MaximumConc);
    appendLabelled(out, SpecifiedLabel, input.SpecifiedConc);
    appendLine(out, "");
    appendLabelled(out, IntakeTypeLabel, std::to_string(input.IntakeType));
    appendLine(out, "");
    for (std::size_t i = 0; i < labels.size(); ++i) {
        appendLabelled(out, labels[i], values.at(i));
    }
    appendLine(out, EndMarker);
    appendLine(out, "");
}

void ReadInputDataSection(FreeFormatReader& in, RiskInput& input) {
    expectRiskMarker(in, BeginMarker);
    readLabelled(in, ModelLabel);
    input.ModelDataUsed = booleanOf(readLabelled(in, ModelDataLabel));
    nextNonBlankLine(in); // the unit line
    const auto intervals = intervalsOf(input);
    for (std::size_t i = 0; i < IntervalLabels.size(); ++i) {
        *intervals[i] = readLabelled(in, IntervalLabels[i]);
    }
    input.ConcChoice = toInt16(readLabelled(in, ChoiceLabel));
    input.AverageConc = readLabelled(in, AverageLabel);
    input.MaximumConc = readLabelled(in, MaximumLabel);
    input.SpecifiedConc = readLabelled(in, SpecifiedLabel);
    input.IntakeType = readIntakeType(in);
    PathwayParameters values;
    for (const std::string_view label : riskFileParameterLabels(input.IntakeType)) {
        values.push_back(readLabelled(in, label));
    }
    parameterSet(input, input.IntakeType) = std::move(values);
    expectRiskMarker(in, EndMarker);
}

} // namespace torval
