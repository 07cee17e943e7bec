#include "PathwaysCommand.h"

#include "IntakeCommand.h"
#include "intake/Pathways.h"

#include <iomanip>
#include <sstream>
#include <string>

namespace torval::cli {

namespace {

IntakeRequest requestWithSuggestions(const PathwayInfo& pathway, const std::string& conc) {
    IntakeRequest request{.pathway = pathway.code, .concentration = conc, .parameters = {}};
    for (const ParameterInfo& parameter : pathway.parameters) {
        request.parameters.emplace_back(parameter.suggestions.front());
    }
    return request;
}

void printParameters(const PathwayInfo& pathway, const IntakeRequest& request, std::ostream& out) {
    for (std::size_t i = 0; i < pathway.parameters.size(); ++i) {
        const ParameterInfo& parameter = pathway.parameters[i];
        out << "   " << std::left << std::setw(52) << parameter.label << std::setw(8)
            << request.parameters[i] << parameter.unit << '\n';
    }
}

} // namespace

int runPathways(const std::string& concentration, Prompter& prompter, std::ostream& out,
                std::ostream& err) {
    out << "Intake for a concentration of " << concentration
        << " mg/l with the first suggested value of each parameter:\n";
    for (int code = 0; code < PathwayCount; ++code) {
        const PathwayInfo& pathway = pathwayInfo(code);
        const IntakeRequest request = requestWithSuggestions(pathway, concentration);
        out << '\n' << code << "  " << pathway.caption << '\n';
        printParameters(pathway, request, out);

        std::ostringstream intake;
        const int status = runIntake(request, prompter, intake, err);
        if (status != ExitSuccess) {
            return status;
        }
        std::string value = intake.str();
        value.pop_back(); // the line end runIntake writes
        out << pathway.resultTitle << ' ' << value << " mg/(kg-day)\n";
    }
    return ExitSuccess;
}

} // namespace torval::cli
