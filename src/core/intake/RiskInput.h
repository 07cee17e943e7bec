#pragma once
// The whole input of one intake analysis. The analysis window copies its controls into it and
// back, the calculation evaluates it, the risk data file stores it and the report prints it.
// Every number is held as the text the user typed or picked (or as a Monte Carlo reference);
// texts become numbers only inside the intake equations.
//
// All nine parameter sets live side by side: switching the pathway keeps what each set held,
// and only the set of the current pathway is read or written by a calculation.

#include <cstdint>
#include <string>
#include <vector>

namespace torval {

// The texts of one pathway's parameters, in the order of the pathway table.
using PathwayParameters = std::vector<std::string>;

// An empty set of the size the pathway table gives the pathway.
PathwayParameters emptyParameterSet(int code);

struct RiskInput {
    bool ModelDataUsed = false; // concentration from a loaded data file, not typed
    std::string FileName;       // the *.tvl of this analysis, "" while new
    std::string XInterval;
    std::string YInterval;
    std::string ZInterval;
    std::string TInterval;
    std::int16_t ConcChoice = 0; // 0 average, 1 maximum, 2 specified
    std::string AverageConc;
    std::string MaximumConc;
    std::string SpecifiedConc;
    std::string Concentration;   // the one ConcChoice selects; resolved in a working copy
    std::int16_t IntakeType = 0; // pathway code
    PathwayParameters DrinkingWater = emptyParameterSet(0);
    PathwayParameters Swimming = emptyParameterSet(1);
    PathwayParameters DermalWater = emptyParameterSet(2);
    PathwayParameters SoilIngestion = emptyParameterSet(3);
    PathwayParameters SoilDermal = emptyParameterSet(4);
    PathwayParameters Inhalation = emptyParameterSet(5);
    PathwayParameters Fish = emptyParameterSet(6);
    PathwayParameters Vegetables = emptyParameterSet(7);
    PathwayParameters MeatDairy = emptyParameterSet(8);
    std::string ResultText; // "Monte Carlo", or the single intake as text

    bool operator==(const RiskInput&) const = default;
};

// Clears the input for a new analysis. The file name and the last result text stay, and so
// does Concentration, which the next calculation selects afresh.
void ResetRiskInput(RiskInput& input);

// Whether ConcChoice names one of the three concentrations (0, 1 or 2). A calculation takes
// no concentration from an input whose choice is none of them.
bool concentrationChosen(const RiskInput& input);

// The concentration text ConcChoice selects: the average (0), the maximum (1) or the
// specified one (any other choice; the analysis window and a read file keep that text).
const std::string& selectedConcentration(const RiskInput& input);

// The parameter set of a pathway; raises 9 for a code outside 0..8.
PathwayParameters& parameterSet(RiskInput& input, int code);
const PathwayParameters& parameterSet(const RiskInput& input, int code);

} // namespace torval
