#include "intake/RiskInput.h"

#include "intake/Pathways.h"
#include "shell/RunTimeError.h"

#include <array>

namespace torval {

namespace {

// Set members in pathway-code order.
constexpr std::array<PathwayParameters RiskInput::*, PathwayCount> ParameterSets = {
    &RiskInput::DrinkingWater, &RiskInput::Swimming,   &RiskInput::DermalWater,
    &RiskInput::SoilIngestion, &RiskInput::SoilDermal, &RiskInput::Inhalation,
    &RiskInput::Fish,          &RiskInput::Vegetables, &RiskInput::MeatDairy,
};

PathwayParameters RiskInput::*setMemberOf(int code) {
    if (!isPathwayCode(code)) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return ParameterSets[static_cast<std::size_t>(code)];
}

} // namespace

PathwayParameters emptyParameterSet(int code) {
    return PathwayParameters(pathwayInfo(code).parameters.size());
}

bool concentrationChosen(const RiskInput& input) {
    return input.ConcChoice >= 0 && input.ConcChoice <= 2;
}

const std::string& selectedConcentration(const RiskInput& input) {
    if (input.ConcChoice == 0) {
        return input.AverageConc;
    }
    return input.ConcChoice == 1 ? input.MaximumConc : input.SpecifiedConc;
}

void ResetRiskInput(RiskInput& input) {
    input.ModelDataUsed = false;
    input.XInterval.clear();
    input.YInterval.clear();
    input.ZInterval.clear();
    input.TInterval.clear();
    input.ConcChoice = 0;
    input.AverageConc.clear();
    input.MaximumConc.clear();
    input.SpecifiedConc.clear();
    input.IntakeType = 0;
    for (int code = 0; code < PathwayCount; ++code) {
        parameterSet(input, code) = emptyParameterSet(code);
    }
}

PathwayParameters& parameterSet(RiskInput& input, int code) {
    return input.*setMemberOf(code);
}

const PathwayParameters& parameterSet(const RiskInput& input, int code) {
    return input.*setMemberOf(code);
}

} // namespace torval
