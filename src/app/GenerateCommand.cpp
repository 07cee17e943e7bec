#include "GenerateCommand.h"

#include "AppState.h"
#include "CountingPrompter.h"
#include "IntakeCommand.h"
#include "montecarlo/GenerateSimulation.h"
#include "montecarlo/VariantTable.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <exception>
#include <sstream>
#include <stogen/GeneratorRequest.h>
#include <stogen/SeedControl.h>

namespace torval::cli {

namespace {

// The name the variant's messages call it by.
constexpr const char* VariantName = "Value";

// The library's own answer, which the generation ignores, explains a series that did not come.
std::int16_t lastStatus = GeneratorOk;

std::int16_t STOGEN_CALL recordingRandom(GeneratorRequest* request, float* values) {
    lastStatus = monteCarlo(request, values);
    return lastStatus;
}

std::int16_t STOGEN_CALL recordingLatinHypercube(GeneratorRequest* request, float* values) {
    lastStatus = latinHypercube(request, values);
    return lastStatus;
}

// The grid re-formats every number it hands to the table; so does this variant.
MonteCarloVariant variantOf(const GenerateRequest& request) {
    return {VariantName,
            FormatNumber(request.mean),
            FormatNumber(request.minimum),
            FormatNumber(request.maximum),
            FormatNumber(request.variance),
            FormatNumber(request.terms),
            request.distribution,
            true};
}

AppState oneVariantState(const GenerateRequest& request) {
    AppState state;
    InitialiseMonteCarloTables(state, 1);
    state.InputTGData.at(1, 1) = variantOf(request);
    state.Sampling =
        request.latinHypercube ? MonteCarloSampling::LatinHypercube : MonteCarloSampling::Random;
    return state;
}

void printSeries(const AppState& state, std::ostream& out) {
    const MonteCarloResult& statistics = state.ResultTGData.at(1, 1);
    std::ostringstream text;
    for (std::int32_t k = 1; k <= state.MonteCarloCount; ++k) {
        text << generalText(state.SimulatedValues.at(1, k, 1)) << '\n';
    }
    text << "Median: " << statistics.Median << '\n'
         << "Minimum: " << statistics.Minimum << '\n'
         << "Maximum: " << statistics.Maximum << '\n'
         << "Arithmetic Mean: " << statistics.ArithmeticMean << '\n'
         << "Geometric Mean: " << statistics.GeometricMean << '\n'
         << "Standard Deviation: " << statistics.StandardDeviation << '\n';
    out << text.str();
}

void explainFailure(int code, std::ostream& err) {
    err << "torval-cli: run-time error " << code;
    if (lastStatus != GeneratorOk) {
        err << ": the generator library refused the request (status " << lastStatus << ")";
    }
    err << '\n';
}

} // namespace

int runGenerate(const GenerateRequest& request, Prompter& prompter, std::ostream& out,
                std::ostream& err) {
    if (request.seed) {
        stogen::internal::reseed(*request.seed);
    }
    AppState state = oneVariantState(request);
    const ParameterList parameters{{VariantName, "--REMOVE--"},
                                   {state.InputTGData.at(1, 1).Mean, "--REMOVE--"}};
    try {
        const SamplingGenerators generators{&recordingRandom, &recordingLatinHypercube};
        if (!GenerateSimulation(state, prompter, parameters, generators)) {
            return ExitRunTimeError;
        }
        printSeries(state, out);
        return ExitSuccess;
    } catch (const std::exception& failure) {
        CountingPrompter counting(prompter);
        reportFailure(counting, failure, "", "");
        if (counting.count == 0 || lastStatus != GeneratorOk) {
            explainFailure(runTimeCodeOf(failure), err);
        }
        return ExitRunTimeError;
    }
}

} // namespace torval::cli
