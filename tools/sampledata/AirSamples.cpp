// Writes the sample files of the air models into the directory given: a well-mixed urban box
// (constant and Monte Carlo wind), a Gaussian plume from a stack for three chemicals (a
// time-varying grid, a Monte Carlo series at one receptor, a steady grid) and a single-zone
// indoor mass balance for two chemicals (a constant result and a Monte Carlo series).
#include "SampleDraws.h"
#include "SampleFile.h"

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace torval::sampledata {

namespace {

using Labelled = std::pair<std::string, double>;

struct Chemical {
    std::string name;
    // Ten property fields (five label-value pairs), optionally a heading and two more pairs.
    std::vector<Labelled> properties;
};

const Chemical Benzene{"Benzene",
                       {{"Molecular Weight (g/mol)", 78.11},
                        {"Vapor Pressure (mm Hg)", 95.2},
                        {"Henry's Law Constant (atm-m3/mol)", 5.55e-3},
                        {"Diffusivity in Air (cm2/s)", 0.088},
                        {"Koc (ml/g)", 62},
                        {"Half-life in Air (hr)", 240},
                        {"Deposition Velocity (cm/s)", 0.1}}};
const Chemical Toluene{"Toluene",
                       {{"Molecular Weight (g/mol)", 92.14},
                        {"Vapor Pressure (mm Hg)", 28.4},
                        {"Henry's Law Constant (atm-m3/mol)", 6.64e-3},
                        {"Diffusivity in Air (cm2/s)", 0.087},
                        {"Koc (ml/g)", 140}}};
const Chemical Trichloroethylene{"Trichloroethylene",
                                 {{"Molecular Weight (g/mol)", 131.39},
                                  {"Vapor Pressure (mm Hg)", 69},
                                  {"Henry's Law Constant (atm-m3/mol)", 9.85e-3},
                                  {"Diffusivity in Air (cm2/s)", 0.079},
                                  {"Koc (ml/g)", 94}}};
const Chemical Formaldehyde{"Formaldehyde",
                            {{"Molecular Weight (g/mol)", 30.03},
                             {"Vapor Pressure (mm Hg)", 3886},
                             {"Henry's Law Constant (atm-m3/mol)", 3.37e-7},
                             {"Diffusivity in Air (cm2/s)", 0.178},
                             {"Koc (ml/g)", 8},
                             {"Half-life in Air (hr)", 4},
                             {"Deposition Velocity (cm/s)", 0.5}}};
const Chemical Tetrachloroethylene{"Tetrachloroethylene",
                                   {{"Molecular Weight (g/mol)", 165.83},
                                    {"Vapor Pressure (mm Hg)", 18.5},
                                    {"Henry's Law Constant (atm-m3/mol)", 1.77e-2},
                                    {"Diffusivity in Air (cm2/s)", 0.072},
                                    {"Koc (ml/g)", 265}}};

std::string pairs(const std::vector<Labelled>& labelled) {
    std::string text;
    for (const auto& [label, value] : labelled) {
        text += (text.empty() ? "" : ", ") + label + ", " + number(value);
    }
    return text;
}

void writePropertyBlock(SampleFile& file, const Chemical& chemical) {
    file.line("[Begin Chemical]").line(chemical.name);
    const std::vector<Labelled> first(chemical.properties.begin(), chemical.properties.begin() + 5);
    file.line(pairs(first));
    if (chemical.properties.size() > 5) {
        file.line("Degradation, " +
                  pairs({chemical.properties.begin() + 5, chemical.properties.end()}));
    }
    file.line("[End Chemical]");
}

void writeCommonPart(SampleFile& file, std::string_view model,
                     const std::vector<Chemical>& chemicals) {
    file.line("Version 2.0").line(model).line(std::to_string(chemicals.size()));
    file.line("[Begin Model Chemicals]");
    for (const Chemical& chemical : chemicals) {
        file.line(chemical.name);
    }
    file.line("[End Model Chemicals]");
    for (const Chemical& chemical : chemicals) {
        writePropertyBlock(file, chemical);
    }
}

void writeEmissionBlock(SampleFile& file, const std::vector<Labelled>& emission) {
    file.line("[Begin --- from emission model]");
    for (const Labelled& item : emission) {
        file.line(pairs({item}));
    }
    file.line("[End --- from emission model]");
}

void writeValueLines(SampleFile& file, const std::vector<double>& values, std::size_t perLine) {
    for (std::size_t from = 0; from < values.size(); from += perLine) {
        const auto to = std::min(values.size(), from + perLine);
        file.line(numberList({values.begin() + static_cast<std::ptrdiff_t>(from),
                              values.begin() + static_cast<std::ptrdiff_t>(to)}));
    }
}

// ---- Box model: a city as one well-mixed box, C = q L / (u H).

struct UrbanBox {
    double flux = 2.0e-7;        // area emission flux, g/(m2 s)
    double length = 10000.0;     // along the wind, m
    double mixingHeight = 500.0; // m
};

double boxConcentration(const UrbanBox& box, double windSpeed) {
    return significant(box.flux * box.length / (windSpeed * box.mixingHeight) * 1000.0); // mg/m3
}

void writeBoxChemical(SampleFile& file, const UrbanBox& box, double windSpeed,
                      std::string_view windTreatment, const std::vector<double>& series) {
    file.line(Benzene.name);
    file.line("Area Emission Flux (g/m2-s), " + number(box.flux) + ", Wind Speed (m/s), " +
              number(windSpeed) + ", Wind Speed Treatment, " + std::string(windTreatment));
    writeEmissionBlock(file, {{"Emission Rate (g/s)", box.flux * box.length * box.length},
                              {"Release Height (m)", 10},
                              {"Release Duration (hr)", 24}});
    file.line("[Begin Monte Carlo Values]");
    writeValueLines(file, series, 5);
    file.line("[End Monte Carlo Values]");
}

void writeBoxFiles(const std::filesystem::path& directory) {
    const UrbanBox box;
    SampleFile constant;
    writeCommonPart(constant, "Box Model", {Benzene});
    constant.line("Box Model Results, Average Concentration (mg/m3), " +
                  number(boxConcentration(box, 3.0)));
    constant.line("1");
    writeBoxChemical(constant, box, 3.0, "Constant", {});
    constant.save(directory / "urban.box");

    constexpr int Iterations = 101;
    LognormalDraws wind(3.0, 1.6, 20240501);
    std::vector<double> series;
    for (int i = 1; i < Iterations; ++i) {
        series.push_back(boxConcentration(box, wind.next()));
    }
    SampleFile varied;
    writeCommonPart(varied, "Box Model", {Benzene});
    varied.line("Box Model Results, Average Concentration (mg/m3), Monte Carlo Simulation");
    varied.line(std::to_string(Iterations));
    writeBoxChemical(varied, box, 3.0, "Monte Carlo (lognormal)", series);
    varied.save(directory / "urbanmc.box");
}

// ---- Gaussian model: a stack in open country, neutral stability (Briggs rural class D).

struct Stack {
    double height = 35.0;       // m
    double plumeRise = 13.2;    // m, at the reference wind speed
    double referenceWind = 4.5; // m/s
};

struct Coordinates {
    double from;
    double to;
    double step;

    int count() const {
        return step == 0.0 ? 1 : static_cast<int>(std::lround((to - from) / step)) + 1;
    }
    double at(int i) const { return from + i * step; }
    std::string record() const { return numberList({from, to, step}); }
};

double sigmaY(double x) {
    return 0.08 * x / std::sqrt(1.0 + 0.0001 * x);
}

double sigmaZ(double x) {
    return 0.06 * x / std::sqrt(1.0 + 0.0015 * x);
}

// Ground-reflected plume of effective height h, in mg/m3 for a rate q in g/s.
double plume(double q, double u, double h, double x, double y, double z) {
    const double sy = sigmaY(x);
    const double sz = sigmaZ(x);
    const double vertical =
        std::exp(-(z - h) * (z - h) / (2 * sz * sz)) + std::exp(-(z + h) * (z + h) / (2 * sz * sz));
    return q / (2 * std::numbers::pi * u * sy * sz) * std::exp(-y * y / (2 * sy * sy)) * vertical *
           1000.0;
}

// A source switched on at time 0: the plume front travels with the wind, spread like the
// plume's width.
double arrivedFraction(double x, double u, double t) {
    return 0.5 * std::erfc((x - u * t) / (std::sqrt(2.0) * sigmaY(x)));
}

struct GaussianChemical {
    const Chemical* chemical;
    int sourceType;
    double rate; // g/s
    Coordinates x, y, z, t;
    bool monteCarloWind;
};

void writeDispersionHeader(SampleFile& file, const Stack& stack, const GaussianChemical& c) {
    file.line("[Dispersion Source Type]").line(std::to_string(c.sourceType));
    file.line("[Coordinate information]");
    for (const Coordinates* axis : {&c.x, &c.y, &c.z, &c.t}) {
        file.line(axis->record());
    }
    file.line("[Wind information]");
    file.line(c.monteCarloWind ? "Wind Speed (m/s), Monte Carlo (lognormal)"
                               : "Wind Speed (m/s), " + number(stack.referenceWind));
    file.line("Stability Class, D, Neutral").line("Mixing Height (m), 800, Fixed");
    file.line("[Point source information]").line("0, 0, " + number(stack.height));
    file.line("Stack Diameter (m), 2.5").line("Exit Velocity (m/s), 12");
    file.line("Exit Temperature (K), 420");
    file.line("[Line source information]").line("Line Length (m), 0");
    file.line("Line Orientation (deg), 0");
    file.line("Final Plume Ht (m) = " + number(stack.height + stack.plumeRise));
    file.line("Xf (m) = 310.5").line("U at Stack Top (m/s) = " + number(stack.referenceWind));
    file.line("Average Time (min) = 60").line("Sampling Time Correction = 1");
    writeEmissionBlock(file, {{"Emission Rate (g/s)", c.rate},
                              {"Release Height (m)", stack.height},
                              {"Release Duration (hr)", c.sourceType == 1 ? 1 : 8760}});
}

// Below this a model prints zero (mg/m3).
constexpr double NegligibleConcentration = 1e-20;

void writeGaussGrid(SampleFile& file, const Stack& stack, const GaussianChemical& c, int index) {
    file.line("[Begin Gauss Calculation Output : " + std::to_string(index) + " ]");
    file.line(numberList(
        {double(c.t.count()), double(c.x.count()), double(c.y.count()), double(c.z.count())}));
    const double u = stack.referenceWind;
    const double h = stack.height + stack.plumeRise;
    for (int t = 0; t < c.t.count(); ++t) {
        for (int x = 0; x < c.x.count(); ++x) {
            for (int y = 0; y < c.y.count(); ++y) {
                std::vector<double> column;
                for (int z = 0; z < c.z.count(); ++z) {
                    double value = plume(c.rate, u, h, c.x.at(x), c.y.at(y), c.z.at(z));
                    if (c.sourceType == 1) {
                        value *= arrivedFraction(c.x.at(x), u, c.t.at(t));
                    }
                    column.push_back(value < NegligibleConcentration ? 0.0 : significant(value, 5));
                }
                file.line(numberList(column));
            }
        }
    }
}

// Plume rise falls with the wind speed (Briggs: inversely); the receptor is the first point
// of the chemical's coordinates.
void writeGaussMonteCarlo(SampleFile& file, const Stack& stack, const GaussianChemical& c,
                          int index, int iterations) {
    file.line("[Begin Monte Carlo Result Values : " + std::to_string(index) + " ]");
    LognormalDraws wind(stack.referenceWind, 1.5, 77 + static_cast<std::uint64_t>(index));
    std::vector<double> series;
    for (int i = 1; i < iterations; ++i) {
        const double u = wind.next();
        const double h = stack.height + stack.plumeRise * stack.referenceWind / u;
        series.push_back(significant(plume(c.rate, u, h, c.x.from, c.y.from, c.z.from), 5));
    }
    writeValueLines(file, series, 5);
}

void writeGaussianFile(const std::filesystem::path& directory) {
    const Stack stack;
    constexpr int Iterations = 51;
    const std::vector<GaussianChemical> chemicals{
        {&Benzene, 1, 12.5, {200, 5200, 500}, {-300, 300, 100}, {0, 20, 10}, {0, 3600, 900}, false},
        {&Toluene, 2, 30.0, {1500, 1500, 0}, {0, 0, 0}, {1.5, 1.5, 0}, {0, 0, 0}, true},
        {&Trichloroethylene,
         2,
         4.0,
         {200, 5200, 500},
         {-300, 300, 100},
         {0, 20, 10},
         {0, 0, 0},
         false},
    };
    SampleFile file;
    writeCommonPart(file, "Gaussian Model", {Benzene, Toluene, Trichloroethylene});
    file.line("1, Point Source, Rural");
    file.line(numberList({Iterations, 11, 7, 3, 5}));
    for (std::size_t i = 0; i < chemicals.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const GaussianChemical& c = chemicals[i];
        file.line("[Begin Chemical " + std::to_string(index) + " ]");
        writeDispersionHeader(file, stack, c);
        if (c.monteCarloWind) {
            writeGaussMonteCarlo(file, stack, c, index, Iterations);
        } else {
            writeGaussGrid(file, stack, c, index);
        }
        file.line("[End Chemical " + std::to_string(index) + " ]");
    }
    file.save(directory / "stack.gas");
}

// ---- Indoor air model: one well-mixed room, V dC/dt = E - V (a + k) C + V a Co.

struct Room {
    double volume = 300.0;      // m3
    double airExchange = 0.5;   // 1/hr
    double outdoor = 2.0e-6;    // g/m3
    double decay = 0.1;         // 1/hr, surface sinks
    double exposureTime = 24.0; // hr
};

// Mean concentration (g/m3) over the exposure time, starting from the outdoor level.
double roomAverage(const Room& room, double emission, double airExchange) {
    const double loss = airExchange + room.decay;
    const double steady = emission / (room.volume * loss) + room.outdoor * airExchange / loss;
    const double approach =
        (1.0 - std::exp(-loss * room.exposureTime)) / (loss * room.exposureTime);
    return significant(steady + (room.outdoor - steady) * approach, 5);
}

void writeIndoorChemical(SampleFile& file, const Room& room, int index, double emission,
                         bool monteCarlo, int iterations) {
    file.line("[Begin Chemical " + std::to_string(index) + " ]");
    writeEmissionBlock(file, {{"Emission Rate (g/hr)", emission},
                              {"Release Height (m)", 1},
                              {"Release Duration (hr)", room.exposureTime}});
    file.line("[Begin Indoor Air Parameters]");
    file.line("Room Volume (m3), " + number(room.volume));
    file.line(monteCarlo ? std::string("Air Exchange Rate (1/hr), Monte Carlo (lognormal)")
                         : "Air Exchange Rate (1/hr), " + number(room.airExchange));
    file.line("Outdoor Concentration (g/m3), " + number(room.outdoor));
    file.line("Decay Rate (1/hr), " + number(room.decay));
    file.line("Exposure Time (hr), " + number(room.exposureTime));
    file.line("Averaging Time (hr), " + number(room.exposureTime));
    file.line("[End Indoor Air Parameters]");
    if (monteCarlo) {
        file.line("Monte Carlo Simulation");
        LognormalDraws exchange(room.airExchange, 1.8, 4242);
        std::vector<double> series;
        for (int i = 1; i < iterations; ++i) {
            series.push_back(roomAverage(room, emission, exchange.next()));
        }
        writeValueLines(file, series, 5);
    } else {
        file.line(number(roomAverage(room, emission, room.airExchange)));
    }
    file.line("[End Chemical " + std::to_string(index) + " ]");
}

void writeIndoorFile(const std::filesystem::path& directory) {
    const Room room;
    constexpr int Iterations = 41;
    SampleFile file;
    writeCommonPart(file, "Indoor Air Model", {Formaldehyde, Tetrachloroethylene});
    file.line("Indoor Air Model Results, Residence, Well-Mixed Single Zone");
    file.line(std::to_string(Iterations));
    writeIndoorChemical(file, room, 1, 0.012, false, Iterations);
    writeIndoorChemical(file, room, 2, 0.005, true, Iterations);
    file.save(directory / "residence.ind");
}

void writeAirSamples(const std::filesystem::path& directory) {
    writeBoxFiles(directory);
    writeGaussianFile(directory);
    writeIndoorFile(directory);
}

} // namespace

} // namespace torval::sampledata

int main(int argc, char** argv) {
    return torval::sampledata::runGenerator(argc, argv, torval::sampledata::writeAirSamples);
}
