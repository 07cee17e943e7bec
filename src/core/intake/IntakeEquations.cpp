#include "intake/IntakeEquations.h"

#include "intake/MonteCarloReference.h"
#include "intake/Pathways.h"
#include "shell/CheckedArithmetic.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace torval {

namespace {

// --- Resolution of Monte Carlo references ---------------------------------------------------

// The generated values always belong to chemical 1, whichever chemical is current. A value
// of at most 15 significant digits reads back as the same text, so the general text alone
// gives what a trip through text and back to a number would.
std::string simulatedValueText(const AppState& state, std::string_view reference,
                               std::int16_t evaluation) {
    return generalText(state.SavedSimulatedValues.at(variantNumberOf(reference), evaluation, 1));
}

// A data file that carries its own Monte Carlo concentrations supplies the concentration of
// every realisation, whatever variant the reference names.
std::string resolvedConcentration(const AppState& state, const std::string& text,
                                  std::int16_t evaluation) {
    if (!isMonteCarloReference(text)) {
        return text;
    }
    if (state.modelData.DataType == 0) {
        return generalText(state.modelData.McIterationValues.at(evaluation));
    }
    return simulatedValueText(state, text, evaluation);
}

std::string resolvedParameter(const AppState& state, const std::string& text,
                              std::int16_t evaluation) {
    if (!isMonteCarloReference(text)) {
        return text;
    }
    return simulatedValueText(state, text, evaluation);
}

// --- The equations ------------------------------------------------------------------------

double numberOf(const std::string& text) {
    return toDouble(text);
}

double numberOf(const EvaluationNumber& number) {
    return number.number();
}

// Reads the parameters of one set as numbers, each at the moment the equation needs it: the
// order of the reads decides which failure a bad input raises first. The set holds texts in the
// working copy of ResolveEvaluationInput and numbers in a ResolvedEvaluation; the equations are
// the same for both.
template <typename Set>
class Factors {
public:
    Factors(const Set& set, std::size_t count) : set_(set), count_(count) {}

    double operator()(std::size_t position) const {
        if (position >= set_.size()) {
            throw RunTimeError(ErrorCode::SubscriptOutOfRange);
        }
        return numberOf(set_[position]);
    }

    std::size_t count() const { return count_; }

private:
    const Set& set_;
    std::size_t count_;
};

struct LeadingPair {
    double first;
    double second;
};

// Every equation reads its second parameter before its first.
template <typename P>
LeadingPair leadingPair(const P& p) {
    const double second = p(1);
    const double first = p(0);
    return {first, second};
}

// Multiplies the parameters at positions from..to in turn.
template <typename P>
double timesFactors(double product, const P& p, std::size_t from, std::size_t to) {
    for (std::size_t position = from; position <= to; ++position) {
        product = checkedMultiply(product, p(position));
    }
    return product;
}

// Divides by Wb x Tavg, the last two parameters of every set; Tavg is read before Wb.
template <typename P>
double perBodyWeightAndTime(double numerator, const P& p) {
    const double averageTime = p(p.count() - 1);
    const double bodyWeight = p(p.count() - 2);
    return checkedDivide(numerator, checkedMultiply(bodyWeight, averageTime));
}

// Ri x C x Fe x Dt / (Wb x Tavg)
template <typename P>
double drinkingWaterIntake(double c, const P& p) {
    const auto [ri, fe] = leadingPair(p);
    double intake = checkedMultiply(checkedMultiply(ri, c), fe);
    intake = timesFactors(intake, p, 2, 2);
    return perBodyWeightAndTime(intake, p);
}

// P1 x C x P2 x P3 x P4 / (P5 x P6): swimming, inhalation, fish, vegetables, meat and dairy.
template <typename P>
double sixParameterIntake(double c, const P& p) {
    const auto [first, second] = leadingPair(p);
    double intake = checkedMultiply(checkedMultiply(first, c), second);
    intake = timesFactors(intake, p, 2, 3);
    return perBodyWeightAndTime(intake, p);
}

// As x C x Rd x Te x Fe x Dt x 0.0001 / (Wb x Tavg)
template <typename P>
double dermalWaterIntake(double c, const P& p) {
    const auto [as, rd] = leadingPair(p);
    double intake = checkedMultiply(checkedMultiply(as, c), rd);
    intake = timesFactors(intake, p, 2, 4);
    intake = checkedMultiply(intake, 0.0001);
    return perBodyWeightAndTime(intake, p);
}

// Ri x C x 0.000001 x Fi x Fe x Dt / (Wb x Tavg): the product Ri x C is scaled.
template <typename P>
double soilIngestionIntake(double c, const P& p) {
    const auto [ri, fi] = leadingPair(p);
    double intake = checkedMultiply(checkedMultiply(ri, c), 0.000001);
    intake = checkedMultiply(intake, fi);
    intake = timesFactors(intake, p, 2, 3);
    return perBodyWeightAndTime(intake, p);
}

// As x (C x 0.000001) x Ra x ABS x Fe x Dt / (Wb x Tavg): the concentration is scaled before
// it meets As.
template <typename P>
double soilDermalIntake(double c, const P& p) {
    const auto [as, ra] = leadingPair(p);
    const double scaledConcentration = checkedMultiply(c, 0.000001);
    double intake = checkedMultiply(checkedMultiply(as, scaledConcentration), ra);
    intake = timesFactors(intake, p, 2, 4);
    return perBodyWeightAndTime(intake, p);
}

template <typename P>
using Equation = double (*)(double, const P&);

template <typename P>
constexpr Equation<P> Equations[PathwayCount] = {
    drinkingWaterIntake<P>, sixParameterIntake<P>, dermalWaterIntake<P>,
    soilIngestionIntake<P>, soilDermalIntake<P>,   sixParameterIntake<P>,
    sixParameterIntake<P>,  sixParameterIntake<P>, sixParameterIntake<P>,
};

// The concentration is read before any parameter.
template <typename Number, typename Set>
double intakeOf(std::int16_t intakeType, const Number& concentration, const Set& set) {
    if (!isPathwayCode(intakeType)) {
        return 0.0;
    }
    const double c = numberOf(concentration);
    const Factors<Set> parameters(set, pathwayInfo(intakeType).parameters.size());
    return Equations<Factors<Set>>[intakeType](c, parameters);
}

} // namespace

void ResolveEvaluationInput(const AppState& state, const RiskInput& source, RiskInput& work,
                            std::int16_t evaluation) {
    work.ConcChoice = source.ConcChoice;
    work.IntakeType = source.IntakeType;
    if (concentrationChosen(source)) {
        work.Concentration =
            resolvedConcentration(state, selectedConcentration(source), evaluation);
    }
    if (!isPathwayCode(source.IntakeType)) {
        return;
    }
    const PathwayParameters& from = parameterSet(source, source.IntakeType);
    PathwayParameters& to = parameterSet(work, source.IntakeType);
    if (to.size() < from.size()) {
        to.resize(from.size());
    }
    for (std::size_t position = 0; position < from.size(); ++position) {
        to[position] = resolvedParameter(state, from[position], evaluation);
    }
}

double ComputeIntake(const RiskInput& work) {
    if (!isPathwayCode(work.IntakeType)) {
        return 0.0;
    }
    return intakeOf(work.IntakeType, work.Concentration, parameterSet(work, work.IntakeType));
}

double ComputeIntake(const ResolvedEvaluation& work) {
    return intakeOf(work.IntakeType, work.Concentration, work.Parameters);
}

} // namespace torval
