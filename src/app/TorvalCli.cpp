// torval-cli: TORVAL without windows, for scripts and tests.
//
//   torval-cli intake --pathway N --conc TEXT PARAM...
//   torval-cli pathways [--conc TEXT]
//   torval-cli inspect FILE [--medium 2|6] [--chemical I] [--grid]
//   torval-cli calc FILE.tvl [--plot DIR] [--report OUT.pdf|OUT.txt] [--save OUT.tvl] [--json]
//                   [--csv OUT.csv] [--slope-factor X] [--reference-dose Y]
//   torval-cli generate --distribution NAME --mean M --variance V --min A --max B --terms N
//                       [--seed S] [--sampling random|lhs]
//
// Parameters are taken as texts exactly as typed: an empty text, "-5" or "-.5" arrives as a
// parameter and is converted by the intake equations, as in a calculation (the window's entry
// checks that refuse empty, zero and negative values are not applied). Only a word starting
// with "--" is taken for an option. Exit codes: 0 success, 2 usage, 3 a run-time error
// reported on stderr (calc: also a calculation that did not
// run to its end), 4 an output file (or the standard output) that could not be written.

#include "CalcCommand.h"
#include "GenerateCommand.h"
#include "InspectCommand.h"
#include "IntakeCommand.h"
#include "PathwaysCommand.h"
#include "StderrPrompter.h"
#include "intake/Pathways.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

using torval::cli::ExitUsage;
using torval::cli::IntakeRequest;

constexpr const char* Usage =
    "usage: torval-cli intake --pathway N --conc TEXT PARAM...\n"
    "       torval-cli pathways [--conc TEXT]\n"
    "       torval-cli inspect FILE [--medium 2|6] [--chemical I] [--grid]\n"
    "       torval-cli calc FILE.tvl [--plot DIR] [--report OUT.pdf|OUT.txt] [--save OUT.tvl]\n"
    "                       [--json] [--csv OUT.csv] [--slope-factor X] [--reference-dose Y]\n"
    "       torval-cli generate --distribution NAME --mean M --variance V --min A --max B\n"
    "                           --terms N [--seed S] [--sampling random|lhs]\n";

std::string expectedParameters(int pathway) {
    const torval::PathwayInfo& info = torval::pathwayInfo(pathway);
    std::string text = "pathway " + std::to_string(pathway) + " (" + std::string(info.caption) +
                       ") takes " + std::to_string(info.parameters.size()) + " parameters:";
    for (const torval::ParameterInfo& parameter : info.parameters) {
        text += ' ';
        text += parameter.symbol;
    }
    return text;
}

int usageError(const std::string& problem) {
    std::cerr << "torval-cli: " << problem << '\n' << Usage;
    return ExitUsage;
}

// An output option given an empty name is a mistake, never a request for no output.
const CLI::Validator NonEmptyName(
    [](const std::string& name) { return name.empty() ? std::string("an empty file name") : ""; },
    "NAME");

// The command's output is only done once it has reached its destination: a full disk or a
// closed pipe is reported, never passed over with a success.
int finished(int exitCode) {
    errno = 0;
    std::cout.flush();
    if (std::cout.good()) {
        return exitCode;
    }
    const int error = errno;
    std::cerr << "torval-cli: the output could not be written"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return exitCode == torval::cli::ExitSuccess ? torval::cli::ExitFileNotWritten : exitCode;
}

// A slope factor or a reference dose: a finite number above 0.
void addFactorOption(CLI::App* command, const std::string& name, std::optional<double>& target,
                     const std::string& description) {
    command
        ->add_option_function<double>(
            name, [&target](double value) { target = value; }, description)
        ->check(CLI::Validator(
            [](const std::string& text) {
                double value = 0;
                const bool read = CLI::detail::lexical_cast(text, value);
                return read && std::isfinite(value) && value > 0
                           ? std::string()
                           : std::string("a number above 0 is needed, not ") + text;
            },
            "POSITIVE"));
}

int runCommand(int argc, char** argv);

} // namespace

int main(int argc, char** argv) {
    return finished(runCommand(argc, argv));
}

namespace {

int runCommand(int argc, char** argv) {
    CLI::App app{"TORVAL exposure assessment without windows", "torval-cli"};
    app.require_subcommand(1, 1);

    IntakeRequest request;
    CLI::App* intake = app.add_subcommand("intake", "Computes one chemical intake in mg/(kg-day)");
    intake->add_option("--pathway", request.pathway, "pathway code 0..8")
        ->required()
        ->check(CLI::Range(0, torval::PathwayCount - 1));
    intake->add_option("--conc", request.concentration, "concentration in mg/l")->required();
    // The parameters are collected as extras rather than as a positional option: CLI11 would
    // read a text such as "-.5" as an unknown short option.
    intake->allow_extras();
    intake->footer("PARAM...: the pathway's parameters, in the order of its set");

    std::string exampleConcentration = "1";
    CLI::App* pathways = app.add_subcommand(
        "pathways", "Lists the pathways and the intake of each with its suggested values");
    pathways->add_option("--conc", exampleConcentration, "concentration in mg/l (default 1)");

    torval::cli::InspectRequest inspectRequest;
    CLI::App* inspect = app.add_subcommand(
        "inspect", "Opens a transport-model file and prints the loaded data set as JSON");
    inspect->add_option("FILE", inspectRequest.path, "the transport-model output file")->required();
    inspect
        ->add_option("--medium", inspectRequest.medium,
                     "medium code (groundwater: 2 single, 6 multiple species)")
        ->check(CLI::Range(0, 6));
    inspect->add_option("--chemical", inspectRequest.chemical, "chemical to make current, from 1");
    inspect->add_flag("--grid", inspectRequest.grid, "also print the axes and the grid");

    torval::cli::GenerateRequest generateRequest;
    CLI::App* generate = app.add_subcommand(
        "generate", "Generates one Monte Carlo variant and prints its values and statistics");
    // Texts as typed: the variant's own checks judge them, as in the Monte Carlo window.
    generate->add_option("--distribution", generateRequest.distribution, "distribution name")
        ->required();
    generate->add_option("--mean", generateRequest.mean, "mean")->required();
    generate->add_option("--variance", generateRequest.variance, "variance")->required();
    generate->add_option("--min", generateRequest.minimum, "minimum")->required();
    generate->add_option("--max", generateRequest.maximum, "maximum")->required();
    generate->add_option("--terms", generateRequest.terms, "number of terms")->required();
    generate->add_option("--seed", generateRequest.seed,
                         "seed 0..18446744073709551615, as TORVAL_SEED");
    generate
        ->add_option_function<std::string>(
            "--sampling",
            [&generateRequest](const std::string& sampling) {
                generateRequest.latinHypercube = sampling == "lhs";
            },
            "random (the default) or lhs (Latin hypercube)")
        ->check(CLI::IsMember({"random", "lhs"}));

    torval::cli::CalcRequest calcRequest;
    CLI::App* calc =
        app.add_subcommand("calc", "Calculates a saved analysis (*.tvl) and prints its intake");
    calc->add_option("FILE", calcRequest.path, "the risk data file")->required();
    calc->add_option("--plot", calcRequest.plotDirectory, "writes DIR/torval.plt")
        ->check(NonEmptyName);
    calc->add_option("--report", calcRequest.reportPath,
                     "writes the results report: a PDF for *.pdf, plain text otherwise")
        ->check(NonEmptyName);
    calc->add_option("--save", calcRequest.savePath, "saves the analysis with its new results")
        ->check(NonEmptyName);
    calc->add_flag("--json", calcRequest.json, "prints the results as one JSON object");
    calc->add_option("--csv", calcRequest.csvPath, "writes one row per iteration as CSV")
        ->check(NonEmptyName);
    addFactorOption(calc, "--slope-factor", calcRequest.risk.slopeFactor,
                    "cancer slope factor in (mg/kg-day)^-1: adds the lifetime cancer risk");
    addFactorOption(calc, "--reference-dose", calcRequest.risk.referenceDose,
                    "reference dose in mg/kg-day: adds the hazard quotient");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& failure) {
        return usageError(failure.what());
    }

    torval::cli::StderrPrompter prompter(std::cerr);
    if (calc->parsed()) {
        return torval::cli::runCalc(calcRequest, prompter, std::cout, std::cerr);
    }
    if (generate->parsed()) {
        return torval::cli::runGenerate(generateRequest, prompter, std::cout, std::cerr);
    }
    if (inspect->parsed()) {
        return torval::cli::runInspect(inspectRequest, prompter, std::cout, std::cerr);
    }
    if (pathways->parsed()) {
        return torval::cli::runPathways(exampleConcentration, prompter, std::cout, std::cerr);
    }

    request.parameters = intake->remaining();
    for (const std::string& parameter : request.parameters) {
        if (parameter.starts_with("--")) {
            return usageError("unknown option " + parameter);
        }
    }
    const auto expected = torval::pathwayInfo(request.pathway).parameters.size();
    if (request.parameters.size() != expected) {
        return usageError(expectedParameters(request.pathway) + ", " +
                          std::to_string(request.parameters.size()) + " given");
    }

    return torval::cli::runIntake(request, prompter, std::cout, std::cerr);
}

} // namespace
