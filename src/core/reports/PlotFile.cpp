#include "reports/PlotFile.h"

#include "intake/ParamDisplayValue.h"
#include "shell/NumberText.h"
#include "shell/Platform.h"
#include "shell/Text.h"
#include "shell/TextEncoding.h"

#include <array>
#include <span>

namespace torval {

namespace {

struct PlotParameter {
    std::string_view label;
    std::string_view unit;
};

struct PlotSection {
    std::string_view title;
    std::span<const PlotParameter> parameters;
};

constexpr PlotParameter Frequency(std::string_view unit) {
    return {"Exposure Frequency (Fe): ", unit};
}
constexpr PlotParameter Duration{"Exposure Duration (Dt): ", " yr"};
constexpr PlotParameter BodyWeight{"Body Weight (Wb): ", " kg"};
constexpr PlotParameter AverageTime(std::string_view unit = " day") {
    return {"Average Time period of exposure (Tavg): ", unit};
}
constexpr PlotParameter IngestionRate(std::string_view unit) {
    return {"Ingestion Rate (Ri): ", unit};
}
constexpr PlotParameter ExposureTime(std::string_view unit) {
    return {"Exposure Time (Te): ", unit};
}
constexpr PlotParameter SkinArea(std::string_view unit) {
    return {"Skin Surface Area Available for Contact (As): ", unit};
}
constexpr PlotParameter Fraction{"Fraction Ingested from Contaminated Source (Fi): ", " "};

constexpr PlotParameter DrinkingWater[] = {IngestionRate(" l/day"),
                                           Frequency(" day/yr"),
                                           Duration,
                                           BodyWeight,
                                           {"Average Time Period of Exposure: ", " day"}};
constexpr PlotParameter Swimming[] = {{"Contact Rate (Rc): ", " l/hr"},
                                      ExposureTime(" hr/event"),
                                      Frequency(" event/yr"),
                                      Duration,
                                      BodyWeight,
                                      AverageTime()};
constexpr PlotParameter DermalWater[] = {SkinArea(" cm\u00B2"),
                                         {"Dermal Permeability Constant (Rd): ", " cm/hr"},
                                         ExposureTime(" hr/day"),
                                         Frequency(" day/yr"),
                                         Duration,
                                         BodyWeight,
                                         AverageTime()};
constexpr PlotParameter SoilIngestion[] = {
    IngestionRate(" mg/day"), Fraction, Frequency(" day/yr"), Duration, BodyWeight,
    AverageTime(" days")};
constexpr PlotParameter SoilDermal[] = {SkinArea(" cm\u00B2/event"),
                                        {"Soil-to-Skin Adherence Factor (Ra): ", " mg/cm\u00B2"},
                                        {"Absorption Factor (ABS): ", " "},
                                        Frequency(" events/yr"),
                                        Duration,
                                        BodyWeight,
                                        AverageTime()};
constexpr PlotParameter Inhalation[] = {{"Inhalation Rate (Ri): ", "m\u00B3/hr"},
                                        {"Dependent on Exposure Duration (Te): ", " hr/day"},
                                        Frequency(" day/yr"),
                                        Duration,
                                        BodyWeight,
                                        AverageTime()};
constexpr PlotParameter Food[] = {IngestionRate(" kg/meal"),
                                  Fraction,
                                  Frequency(" meals/yr"),
                                  Duration,
                                  BodyWeight,
                                  AverageTime()};

// In pathway-code order.
constexpr std::array<PlotSection, 9> Sections = {{
    {"Intake of Chemicals via Drinking Water ", DrinkingWater},
    {"Ingestion while Swimming ", Swimming},
    {"Dermal Intake ", DermalWater},
    {"Intake of Chemicals via Soil, Sediment, and Dust ", SoilIngestion},
    {"Dermal Absorption of Soil, Sediment, and Dust ", SoilDermal},
    {"Air Intake ", Inhalation},
    {"Ingestion of Fish and Shellfish ", Food},
    {"Ingestion of Vegetables and other Produce ", Food},
    {"Ingestion of Meat, Egg, and Dairy Products ", Food},
}};

constexpr int DermalIntakeCode = 2;

class LineWriter {
public:
    void line(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

void pathwayLines(LineWriter& out, const RiskInput& input) {
    const PathwayParameters& parameters = parameterSet(input, input.IntakeType);
    const PlotSection& section = Sections[static_cast<std::size_t>(input.IntakeType)];
    // The dermal title is written without the unit of the others; the utility has always been
    // given it that way.
    out.line(input.IntakeType == DermalIntakeCode ? std::string(section.title)
                                                  : std::string(section.title) + "(mg/(kg-day))");
    out.line("Concentration of Chemical: " + ParamDisplayValue(input.Concentration) + " mg/l");
    for (std::size_t i = 0; i < section.parameters.size(); ++i) {
        const PlotParameter& parameter = section.parameters[i];
        out.line(std::string(parameter.label) + ParamDisplayValue(parameters.at(i)) +
                 std::string(parameter.unit));
    }
}

void fileNameLines(LineWriter& out, const AppState& state) {
    if (lowerCase(trimBlanks(state.modelData.ModelName)) == "input") {
        out.line("PLUMEX Data File Name: Not Specified");
    } else {
        out.line("PLUMEX Data File Name: " + trimBlanks(state.modelData.DataFileName));
    }
    const std::string riskFile = trimBlanks(state.riskInput.FileName);
    out.line(riskFile.empty() ? "Data File Name: Input Data Not Saved"
                              : "Risk Data File Name: " + riskFile);
}

void intakeLines(LineWriter& out, const AppState& state) {
    const std::string& result = state.riskInput.ResultText;
    if (!contains(result, "Monte")) {
        out.line("Chemical Intake: " + generalText(leadingNumber(result)) + " mg/(kg-day)");
        return;
    }
    out.line("Chemical Intake: Monte Carlo Simulation");
    for (std::int32_t i = 1; i < state.ResultCount; ++i) {
        out.line(FormatNumber(generalText(state.IntakeResults.at(i))));
    }
}

} // namespace

std::string PlotFileName(std::string_view directory) {
    return joinPath(trimBlanks(directory), "torval.plt");
}

std::string WritePlotFile(const AppState& state) {
    LineWriter out;
    out.line("Monte Carlo");
    out.line("Type: Concentrations");
    out.line("Number of Terms: " + std::to_string(state.ResultCount - 1));
    out.line("Monte Carlo Simulation");
    out.line("Risk Assessment for Chemical Intakes");
    pathwayLines(out, state.riskInput);
    out.line("Length Unit: ");
    out.line("Time Unit: ");
    out.line("Concentration Unit: mg/l");
    out.line("Ingestion Unit: mg/(kg-day)");
    fileNameLines(out, state);
    out.line("");
    intakeLines(out, state);
    return toFileText(out.take());
}

} // namespace torval
