// The groundwater sample files: the concentrations come from closed-form
// advection-dispersion solutions (GroundwaterSolutions.h) with plausible aquifer parameters;
// the parameter lines of each file state the values used. Single-species files give
// concentrations relative to the source, as the models do; time-varying and species files give
// them in the file's unit.

#include "GroundwaterSampleFiles.h"

#include "GroundwaterSolutions.h"
#include "SampleFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace torval::sampledata;
namespace fs = std::filesystem;

// Significant digits of the printed results: six, as the models print them; the benchmark
// file keeps every digit of the general text form to weigh as much as a model's own output.
int significantDigits = 6;

double rounded(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    // At most 17 significant digits are meaningful in a double, which also bounds the text.
    const int decimals = std::clamp(significantDigits - 1, 0, 16);
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", decimals, value);
    return std::strtod(text, nullptr);
}

std::string printed(double value) {
    return number(rounded(value));
}

std::string printedList(const std::vector<double>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i == 0 ? "" : ", ") + printed(values[i]);
    }
    return text;
}

struct Axis {
    double from;
    double to;
    double step;

    std::vector<double> points() const {
        std::vector<double> result;
        const auto count = static_cast<int>(std::lround((to - from) / step)) + 1;
        for (int i = 0; i < count; ++i) {
            result.push_back(from + i * step);
        }
        return result;
    }
    std::string range() const { return number(from) + ":" + number(to) + ":" + number(step); }
};

// One axis of the model input: its letter, its range and the Monte Carlo point on it.
struct InputAxis {
    char name;
    const Axis& axis;
    std::string monteCarloPoint;
};

// "[Begin Model Input]", the range of each axis, then the Monte Carlo point, under the heading
// lines the model prints before it (none for some models).
void writeModelInputStart(SampleFile& file, const std::vector<InputAxis>& axes,
                          const std::vector<std::string>& heading = {}) {
    file.line("[Begin Model Input]");
    for (const InputAxis& input : axes) {
        file.line(std::string(1, input.name) + " Range: " + input.axis.range());
    }
    for (const std::string& line : heading) {
        file.line(line);
    }
    for (const InputAxis& input : axes) {
        file.line(std::string(1, input.name) + " Point for Monte Carlo: " + input.monteCarloPoint);
    }
}

const std::vector<std::string> MonteCarloPointHeading{"Monte Carlo Point", "-----------------"};

// "Number of X Points: n" for each axis of a grid, in file order.
void writePointCounts(SampleFile& file, const std::vector<std::pair<char, std::size_t>>& counts) {
    for (const auto& [name, count] : counts) {
        file.line("Number of " + std::string(1, name) + " Points: " + std::to_string(count));
    }
}

// The sorption lines every model with a retardation factor prints.
void writeSorption(SampleFile& file, double bulkDensity, double distribution, double retardation) {
    file.line("Bulk Density (g/cm3): " + number(bulkDensity));
    file.line("Distribution Coefficient (l/kg): " + number(distribution));
    file.line("Retardation Factor: " + printed(retardation));
}

struct Header {
    std::string program;
    std::vector<std::string> title; // "[End Title]" follows it
    std::vector<std::string> comments;
    std::string model;
    std::string aquifer;
    std::string contaminant;
    std::string length;
    std::string time;
    std::string concentration;
};

void writeHeader(SampleFile& file, const Header& header) {
    file.line("PLUMEX - Groundwater Transport Models");
    file.line("Program: " + header.program);
    file.line("Run Date: 04/14/1997");
    file.line("[Begin Title]");
    for (const std::string& line : header.title) {
        file.line(line);
    }
    file.line("[End Title]");
    file.line();
    file.line("[Begin Comments]");
    for (const std::string& line : header.comments) {
        file.line(line);
    }
    file.line("[End Comments]");
    file.line();
    file.line("Model Type: " + header.model);
    file.line("Aquifer: " + header.aquifer);
    file.line("Contaminant: " + header.contaminant);
    file.line();
    file.line("[Begin Units]");
    file.line("Length Unit: " + header.length);
    file.line("Time Unit: " + header.time);
    file.line("Concentration Unit: " + header.concentration);
    file.line("[End Units]");
}

void writeSourceBlock(SampleFile& file, double concentration, const std::string& duration) {
    file.line("Number of Sources: 1");
    file.line("Source Data");
    file.line("Source 1");
    file.line("Source Concentration: " + number(concentration));
    file.line("Source Duration: " + duration);
    file.line("[End Model Input]");
    file.line();
    file.line("[Begin Model Results]");
}

void writeClosing(SampleFile& file) {
    file.line("[End Model Results]");
    file.line();
    file.line("[End of File]");
}

// Deterministic draws, independent of the standard library's distributions.
class Draws {
public:
    explicit Draws(std::uint64_t seed) : engine_(seed) {}

    double lognormal(double median, double sigma) {
        return median * std::exp(sigma * standardNormal());
    }

private:
    double uniform() { return (static_cast<double>(engine_() >> 11) + 0.5) * 0x1p-53; }
    double standardNormal() {
        return std::sqrt(-2.0 * std::log(uniform())) * std::cos(2.0 * M_PI * uniform());
    }

    std::mt19937_64 engine_;
};

void writeMonteCarloValues(SampleFile& file, const std::vector<double>& values) {
    file.line("Number of Monte Carlo Iterations: " + std::to_string(values.size() + 1));
    for (const double value : values) {
        file.line(printed(value));
    }
}

// ---- One dimensional --------------------------------------------------------------------

struct Column {
    double velocity;     // seepage velocity
    double dispersivity; // longitudinal
    double porosity;
    double bulkDensity;
    double distribution; // Kd
    double decay;

    double retardation() const { return 1.0 + bulkDensity * distribution / porosity; }
    Transport transport() const {
        return {velocity / retardation(), dispersivity, decay, 0.0, 0.0};
    }
};

void writeColumnParameters(SampleFile& file, const Column& column) {
    file.line("Seepage Velocity (m/day): " + number(column.velocity));
    file.line("Longitudinal Dispersivity (m): " + number(column.dispersivity));
    file.line("Porosity: " + number(column.porosity));
    file.line("Bulk Density (g/cm3): " + number(column.bulkDensity));
    file.line("Distribution Coefficient (l/kg): " + number(column.distribution));
    file.line("Decay Coefficient (1/day): " + number(column.decay));
    file.line("Retardation Factor Computed From Kd: Yes");
    file.line("Retardation Factor: " + printed(column.retardation()));
}

const Header TceColumnHeader{"PLUMEX 3.0 - One-Dimensional Saturated Zone Model",
                             {"Dissolved TCE down-gradient of the former degreasing pit"},
                             {"Ogata-Banks solution with first-order decay.",
                              "Concentrations relative to the source concentration."},
                             "One Dimensional",
                             "Alluvial sand and gravel",
                             "Trichloroethylene",
                             "m",
                             "day",
                             "mg/l"};

const Column TceColumn{0.15, 10.0, 0.3, 1.65, 0.08, 0.0008};

void writeOneDimensionalStart(SampleFile& file, const Axis& x, const Axis& t) {
    writeModelInputStart(file, {{'X', x, "100"}, {'T', t, "1825"}});
    writeColumnParameters(file, TceColumn);
    writeSourceBlock(file, 85.0, "3650");
}

// Relative concentrations on an X-T grid: two count fields, the times, then per X its times.
void writeXTGrid(SampleFile& file, const Axis& xAxis, const Axis& tAxis,
                 const std::function<double(double, double)>& concentration) {
    const std::vector<double> xs = xAxis.points();
    const std::vector<double> ts = tAxis.points();
    writePointCounts(file, {{'X', xs.size()}, {'T', ts.size()}});
    file.line("Distance / Time");
    file.line(printedList(ts));
    for (const double x : xs) {
        std::vector<double> row{x};
        for (const double t : ts) {
            row.push_back(concentration(x, t));
        }
        file.line(printedList(row));
    }
}

void writeOneDimensionalGrid(const fs::path& directory) {
    SampleFile file;
    writeHeader(file, TceColumnHeader);
    const Axis x{0, 400, 20};
    const Axis t{365, 3650, 365};
    writeOneDimensionalStart(file, x, t);
    const Transport transport = TceColumn.transport();
    file.line(printed(columnFixedInlet(transport, 100, 1825)));
    writeXTGrid(file, x, t,
                [&](double xi, double ti) { return columnFixedInlet(transport, xi, ti); });
    writeClosing(file);
    file.save(directory / "tce-plume.one");
}

void writeOneDimensionalMonteCarlo(const fs::path& directory) {
    SampleFile file;
    Header header = TceColumnHeader;
    header.comments.push_back(
        "Monte Carlo: lognormal seepage velocity and dispersivity, 100 realisations.");
    writeHeader(file, header);
    writeOneDimensionalStart(file, {0, 400, 20}, {365, 3650, 365});
    file.line("Monte Carlo");
    Draws draws(19970414);
    std::vector<double> values;
    for (int i = 0; i < 100; ++i) {
        Column column = TceColumn;
        column.velocity = draws.lognormal(TceColumn.velocity, 0.3);
        column.dispersivity = draws.lognormal(TceColumn.dispersivity, 0.4);
        values.push_back(columnFixedInlet(column.transport(), 100, 1825));
    }
    writeMonteCarloValues(file, values);
    writeClosing(file);
    file.save(directory / "tce-montecarlo.one");
}

// ---- Two dimensional ----------------------------------------------------------------------

struct Aquifer {
    double velocity;
    double longitudinal;
    double transverseY;
    double transverseZ;
    double porosity;
    double bulkDensity;
    double distribution;
    double decay;
    double width;
    double depth;

    double retardation() const { return 1.0 + bulkDensity * distribution / porosity; }
    Transport transport() const {
        return {velocity / retardation(), longitudinal, decay, transverseY, transverseZ};
    }
};

const Aquifer BenzeneAquifer{0.4, 15.0, 1.5, 0.0, 0.32, 1.7, 0.05, 0.001, 20.0, 0.0};

// Relative or absolute concentrations on an X-Y-T grid: count lines, the times, then per X and
// Y the coordinates and the times.
void writeXYTGrid(SampleFile& file, const Axis& xAxis, const Axis& yAxis, const Axis& tAxis,
                  const std::function<double(double, double, double)>& concentration) {
    const std::vector<double> xs = xAxis.points();
    const std::vector<double> ys = yAxis.points();
    const std::vector<double> ts = tAxis.points();
    writePointCounts(file, {{'X', xs.size()}, {'Y', ys.size()}, {'T', ts.size()}});
    file.line("Concentration Distribution");
    file.line("Time");
    file.line(printedList(ts));
    for (const double x : xs) {
        for (const double y : ys) {
            std::vector<double> row{x, y};
            for (const double t : ts) {
                row.push_back(concentration(x, y, t));
            }
            file.line(printedList(row));
        }
    }
}

void writeTwoDimensional(const fs::path& directory) {
    SampleFile file;
    writeHeader(file,
                {"PLUMEX 3.0 - Two-Dimensional Saturated Zone Model",
                 {"Benzene from a leaking underground storage tank,", "service station on Route 9"},
                 {"Domenico solution for a vertical plane source spanning the aquifer."},
                 "Two Dimensional",
                 "Unconfined silty sand",
                 "Benzene",
                 "Meter&M",
                 "Days&day",
                 "Milligrams per Liter&mg/l"});
    const Aquifer& a = BenzeneAquifer;
    const Axis x{0, 300, 30};
    const Axis y{-60, 60, 20};
    const Axis t{730, 3650, 730};
    writeModelInputStart(file, {{'X', x, "120"}, {'Y', y, "0"}, {'T', t, "2190"}},
                         MonteCarloPointHeading);
    file.line("Seepage Velocity (m/day): " + number(a.velocity));
    file.line("Longitudinal Dispersivity (m): " + number(a.longitudinal));
    file.line("Transverse Dispersivity (m): " + number(a.transverseY));
    file.line("Aquifer Thickness (m): 8");
    file.line("Porosity: " + number(a.porosity));
    file.line("Source Width (m): " + number(a.width));
    file.line("Decay Coefficient (1/day): " + number(a.decay));
    file.line("Net Recharge: Included");
    file.line("Recharge Rate (m/day): 0.0004");
    file.line("Recharge Concentration (mg/l): 0");
    writeSorption(file, a.bulkDensity, a.distribution, a.retardation());
    file.line("Retardation Factor Computed From Kd: Yes");
    writeSourceBlock(file, 12.5, "3650");
    const Transport transport = a.transport();
    const auto solution = [&](double xi, double yi, double ti) {
        return planeSource2D(transport, a.width, xi, yi, ti);
    };
    file.line(printed(solution(120, 0, 2190)));
    writeXYTGrid(file, x, y, t, solution);
    writeClosing(file);
    file.save(directory / "benzene-plume.two");
}

// ---- Three dimensional --------------------------------------------------------------------

const Aquifer PceAquifer{0.25, 12.0, 1.2, 0.12, 0.3, 1.6, 0.35, 0.0003, 15.0, 3.0};

struct Grid3D {
    Axis x;
    Axis y;
    Axis z;
    Axis t;
};

// Count lines, then per time a block: the time, the depths, and per X and Y the coordinates
// and the depths' values. `species` adds one pass of the time blocks per species.
void writeXYZTGrid(SampleFile& file, const Grid3D& grid,
                   const std::vector<std::function<double(double, double, double, double)>>&
                       speciesConcentrations) {
    const std::vector<double> xs = grid.x.points();
    const std::vector<double> ys = grid.y.points();
    const std::vector<double> zs = grid.z.points();
    const std::vector<double> ts = grid.t.points();
    writePointCounts(file,
                     {{'X', xs.size()}, {'Y', ys.size()}, {'Z', zs.size()}, {'T', ts.size()}});
    file.line("Concentration Distribution");
    for (const auto& concentration : speciesConcentrations) {
        for (const double t : ts) {
            file.line("Time, " + printed(t));
            file.line("Depth, " + printedList(zs));
            for (const double x : xs) {
                for (const double y : ys) {
                    std::vector<double> row{x, y};
                    for (const double z : zs) {
                        row.push_back(concentration(x, y, z, t));
                    }
                    file.line(printedList(row));
                }
            }
        }
    }
}

void writeThreeDimensionalStart(SampleFile& file, const Grid3D& grid, const Aquifer& a,
                                bool withRecharge) {
    std::vector<std::string> heading = MonteCarloPointHeading;
    heading.push_back("(depth below the water table)");
    writeModelInputStart(
        file, {{'X', grid.x, "100"}, {'Y', grid.y, "0"}, {'Z', grid.z, "2"}, {'T', grid.t, "3000"}},
        heading);
    file.line("Seepage Velocity (m/day): " + number(a.velocity));
    file.line("Longitudinal Dispersivity (m): " + number(a.longitudinal));
    file.line("Transverse Dispersivity (m): " + number(a.transverseY));
    file.line("Vertical Dispersivity (m): " + number(a.transverseZ));
    file.line("Porosity: " + number(a.porosity));
    file.line("Source Width (m): " + number(a.width));
    file.line("Source Depth (m): " + number(a.depth));
    if (withRecharge) {
        file.line("Net Recharge: Included");
        file.line("Recharge Rate (m/day): 0.0003");
        file.line("Recharge Concentration (mg/l): 0");
    } else {
        file.line("Decay Coefficient (1/day): " + number(a.decay));
        file.line("Recharge: Not Modelled");
    }
    writeSorption(file, a.bulkDensity, a.distribution, a.retardation());
    file.line("Retardation Factor Computed From Kd: Yes");
}

void writeThreeDimensionalFile(const fs::path& path, const Grid3D& grid) {
    SampleFile file;
    writeHeader(file, {"PLUMEX 3.0 - Three-Dimensional Saturated Zone Model",
                       {"PCE below the dry cleaner, Main Street"},
                       {"Domenico solution for a plane source at the water table."},
                       "Three Dimensional",
                       "Glacial outwash",
                       "Tetrachloroethylene",
                       "m",
                       "day",
                       "Micrograms per Liter&ug/l"});
    const Aquifer& a = PceAquifer;
    writeThreeDimensionalStart(file, grid, a, false);
    writeSourceBlock(file, 60000.0, "4000");
    const Transport transport = a.transport();
    const auto solution = [&](double x, double y, double z, double t) {
        return planeSource3D(transport, a.width, a.depth, x, y, z, t);
    };
    file.line(printed(solution(100, 0, 2, 3000)));
    writeXYZTGrid(file, grid, {solution});
    writeClosing(file);
    file.save(path);
}

void writeThreeDimensional(const fs::path& directory) {
    writeThreeDimensionalFile(directory / "pce-plume.tri",
                              {{0, 250, 25}, {-30, 30, 10}, {0, 6, 2}, {1000, 4000, 1000}});
}

// ---- Time varying ---------------------------------------------------------------------------

struct SourcePeriod {
    double start;
    double concentration;
};

// A source whose concentration steps through the periods: superposed step responses.
double steppedSource(const std::vector<SourcePeriod>& periods, double t,
                     const std::function<double(double)>& unitResponse) {
    double value = 0.0;
    double previous = 0.0;
    for (const SourcePeriod& period : periods) {
        if (t > period.start) {
            value += (period.concentration - previous) * unitResponse(t - period.start);
        }
        previous = period.concentration;
    }
    return value;
}

void writeTimeVaryingParameters(SampleFile& file, const Aquifer& a,
                                const std::vector<SourcePeriod>& periods) {
    file.line("Seepage Velocity (m/day): " + number(a.velocity));
    file.line("Longitudinal Dispersivity (m): " + number(a.longitudinal));
    file.line("Transverse Dispersivity (m): " + number(a.transverseY));
    file.line("Porosity: " + number(a.porosity));
    file.line("Aquifer Thickness (m): 10");
    file.line("Decay Coefficient (1/day): " + number(a.decay));
    file.line("Retardation Factor: " + printed(a.retardation()));
    file.line("Source Width (m): " + number(a.width));
    file.line("Source History");
    file.line("Number of Periods: " + std::to_string(periods.size()));
    for (const SourcePeriod& period : periods) {
        file.line("Period from day " + number(period.start) + ": " + number(period.concentration));
    }
    file.line("[End Model Input]");
}

// Concentrations in the file's unit: the times, the X and the Y coordinates, then per time and
// X the values along Y.
void writeTimeVaryingGrid(SampleFile& file, const Axis& xAxis, const Axis& yAxis, const Axis& tAxis,
                          const std::function<double(double, double, double)>& concentration) {
    const std::vector<double> xs = xAxis.points();
    const std::vector<double> ys = yAxis.points();
    const std::vector<double> ts = tAxis.points();
    writePointCounts(file, {{'X', xs.size()}, {'Y', ys.size()}, {'T', ts.size()}});
    file.line("Times, X Coordinates, Y Coordinates, Concentrations");
    file.line(printedList(ts));
    file.line(printedList(xs));
    file.line(printedList(ys));
    for (const double t : ts) {
        for (const double x : xs) {
            std::vector<double> row;
            for (const double y : ys) {
                row.push_back(concentration(x, y, t));
            }
            file.line(printedList(row));
        }
    }
}

void writeTimeVaryingFile(const fs::path& path, const Header& header, const Aquifer& a,
                          const std::vector<SourcePeriod>& periods, const Axis& x, const Axis& y,
                          const Axis& t, bool pointSource) {
    SampleFile file;
    writeHeader(file, header);
    writeModelInputStart(
        file, {{'X', x, number(x.points()[3])}, {'Y', y, "0"}, {'T', t, number(t.points()[2])}});
    writeTimeVaryingParameters(file, a, periods);
    const Transport transport = a.transport();
    const auto solution = [&](double xi, double yi, double ti) {
        return steppedSource(periods, ti, [&](double elapsed) {
            return pointSource ? planeSource2D(transport, a.width, xi, yi, elapsed)
                               : columnFixedInlet(transport, xi, elapsed);
        });
    };
    file.line(printed(solution(x.points()[3], 0, t.points()[2])));
    writeTimeVaryingGrid(file, x, y, t, solution);
    writeClosing(file);
    file.save(path);
}

void writeTimeVarying(const fs::path& directory) {
    writeTimeVaryingFile(directory / "tce-point-source.var",
                         {"PLUMEX 3.0 - Time-Varying Source Model",
                          {"TCE from a drum disposal area, removed after 2000 days"},
                          {"Source concentration falls in steps; superposed Domenico solutions."},
                          "Time Varying",
                          "Fractured till over sand",
                          "Trichloroethylene - Point Source",
                          "m",
                          "day",
                          "mg/l"},
                         {0.3, 10.0, 1.0, 0.0, 0.3, 1.5, 0.1, 0.0004, 5.0, 0.0},
                         {{0, 40}, {1000, 15}, {2000, 0}}, {0, 200, 20}, {-40, 40, 10},
                         {500, 3000, 500}, true);
    writeTimeVaryingFile(directory / "nitrate-line-source.var",
                         {"PLUMEX 3.0 - Time-Varying Source Model",
                          {"Nitrate below fertilised fields after the change of practice"},
                          {"Line source across the aquifer; superposed Ogata-Banks solutions."},
                          "Time Varying",
                          "Sandy loam over gravel",
                          "Nitrate-N - Line Source",
                          "m",
                          "day",
                          "mg/l"},
                         {0.5, 20.0, 2.0, 0.0, 0.35, 1.6, 0.0, 0.0, 500.0, 0.0},
                         {{0, 30}, {1460, 12}, {2920, 8}}, {0, 500, 50}, {-25, 25, 25},
                         {365, 3650, 365}, false);
}

// ---- Unsaturated one dimensional ------------------------------------------------------------

struct VadoseZone {
    double infiltration; // m/yr
    double waterContent;
    double dispersivity;
    double bulkDensity;
    double distribution;
    double decay; // 1/yr

    double retardation() const { return 1.0 + bulkDensity * distribution / waterContent; }
    Transport transport() const {
        return {infiltration / waterContent / retardation(), dispersivity, decay, 0.0, 0.0};
    }
};

void writeVadoseParameters(SampleFile& file, const VadoseZone& zone) {
    file.line("Infiltration Rate (m/yr): " + number(zone.infiltration));
    file.line("Volumetric Water Content: " + number(zone.waterContent));
    file.line("Dispersivity (m): " + number(zone.dispersivity));
    writeSorption(file, zone.bulkDensity, zone.distribution, zone.retardation());
    file.line("Depth to Water Table (m): 10");
    file.line("Soil Texture: Loamy sand");
}

void writeUnsaturated(const fs::path& directory) {
    SampleFile file;
    writeHeader(file, {"PLUMEX 3.0 - Unsaturated Zone Model",
                       {"Landfill leachate (chloroform) below an unlined cell"},
                       {"Fixed concentration at the base of the waste; Ogata-Banks with decay."},
                       "Unsaturated One Dimensional",
                       "Loamy sand",
                       "Dirichlet",
                       "m",
                       "Year&yr",
                       "mg/l"});
    const VadoseZone zone{0.3, 0.25, 0.5, 1.6, 0.1, 0.2};
    const Axis x{0, 10, 0.5};
    const Axis t{0.5, 5, 0.5};
    writeModelInputStart(file, {{'X', x, "2"}, {'T', t, "2.5"}});
    writeVadoseParameters(file, zone);
    file.line("Decay Coefficient (1/yr): " + number(zone.decay));
    file.line("Boundary Condition");
    writeSourceBlock(file, 25.0, "5");
    const Transport transport = zone.transport();
    file.line(printed(columnFixedInlet(transport, 2, 2.5)));
    writeXTGrid(file, x, t,
                [&](double xi, double ti) { return columnFixedInlet(transport, xi, ti); });
    writeClosing(file);
    file.save(directory / "leachate.u1d");
}

// ---- Multiple species ---------------------------------------------------------------------

struct Species {
    std::string name;
    double decay;
    double yield; // mass formed per mass of parent decayed; 0 for the parent
    double source;
};

void writeSpeciesTables(SampleFile& file, const std::vector<Species>& chain, double retardation,
                        const std::string& rateUnit, const std::string& concentrationUnit) {
    file.line("Chemical Number: " + std::to_string(chain.size()));
    file.line("Species Names");
    for (const Species& species : chain) {
        file.line(species.name);
    }
    file.line("Decay Coefficients (" + rateUnit + ")");
    for (const Species& species : chain) {
        file.line(number(species.decay));
    }
    file.line("Retardation Factors");
    for (std::size_t i = 0; i < chain.size(); ++i) {
        file.line(printed(retardation));
    }
    file.line("Yield Coefficients");
    file.line("(mass formed per mass of parent decayed)");
    for (const Species& species : chain) {
        file.line(number(species.yield));
    }
    file.line("Source Concentrations (" + concentrationUnit + ")");
    for (const Species& species : chain) {
        file.line(number(species.source));
    }
    file.line("[End Model Input]");
}

// Parent and daughter concentrations in the file's unit for a source of the parent only.
// `relative(rate)` is the relative concentration of a species decaying at that rate.
std::vector<double> chainConcentrations(const std::vector<Species>& chain,
                                        const std::function<double(double)>& relative) {
    const Species& parent = chain[0];
    const Species& daughter = chain[1];
    return {parent.source * relative(parent.decay),
            parent.source *
                daughterOfChain(parent.decay, daughter.decay, daughter.yield, relative)};
}

const std::vector<Species> TceChain{{"Trichloroethylene (TCE)", 0.0012, 0.0, 50.0},
                                    {"cis-1,2-Dichloroethylene (DCE)", 0.0004, 0.74, 0.0}};

void writeOneDimensionalSpeciesStart(SampleFile& file, const Axis& x, const Axis& t,
                                     const Column& column) {
    writeModelInputStart(file, {{'X', x, "60"}, {'T', t, "1825"}});
    file.line("Seepage Velocity (m/day): " + number(column.velocity));
    file.line("Longitudinal Dispersivity (m): " + number(column.dispersivity));
    file.line("Porosity: " + number(column.porosity));
    writeSorption(file, column.bulkDensity, column.distribution, column.retardation());
    file.line("Retardation Applied To: All Species");
    writeSpeciesTables(file, TceChain, column.retardation(), "1/day", "mg/l");
}

const Header TceChainHeader{"PLUMEX 3.0 - One-Dimensional Multiple Species Model",
                            {"Reductive dechlorination of TCE below the tank farm"},
                            {"Sequential decay chain TCE -> cis-DCE; Ogata-Banks with decay."},
                            "One Dimensional",
                            "Alluvial sand and gravel",
                            "TCE and daughter products",
                            "m",
                            "day",
                            "mg/l"};

const Column TceChainColumn{0.3, 10.0, 0.3, 1.65, 0.0909, 0.0};

void writeSpeciesXTGrids(SampleFile& file, const Axis& xAxis, const Axis& tAxis,
                         const std::vector<Species>& chain,
                         const std::function<double(double, double, double)>& relative) {
    const std::vector<double> xs = xAxis.points();
    const std::vector<double> ts = tAxis.points();
    writePointCounts(file, {{'X', xs.size()}, {'T', ts.size()}});
    file.line("Distance / Time");
    file.line(printedList(ts));
    for (std::size_t s = 0; s < chain.size(); ++s) {
        for (const double x : xs) {
            std::vector<double> row{x};
            for (const double t : ts) {
                row.push_back(chainConcentrations(
                    chain, [&](double rate) { return relative(rate, x, t); })[s]);
            }
            file.line(printedList(row));
        }
    }
}

void writeOneDimensionalSpecies(const fs::path& directory) {
    SampleFile file;
    writeHeader(file, TceChainHeader);
    const Axis x{0, 200, 20};
    const Axis t{365, 3650, 365};
    writeOneDimensionalSpeciesStart(file, x, t, TceChainColumn);
    file.line("Concentration Grid");
    writeSpeciesXTGrids(file, x, t, TceChain, [](double rate, double xi, double ti) {
        Transport transport = TceChainColumn.transport();
        transport.decayRate = rate;
        return columnFixedInlet(transport, xi, ti);
    });
    writeClosing(file);
    file.save(directory / "tce-dce-chain.mc1");
}

void writeOneDimensionalSpeciesMonteCarlo(const fs::path& directory) {
    SampleFile file;
    Header header = TceChainHeader;
    header.comments.push_back("Monte Carlo: lognormal seepage velocity, 50 realisations.");
    writeHeader(file, header);
    writeOneDimensionalSpeciesStart(file, {0, 200, 20}, {365, 3650, 365}, TceChainColumn);
    file.line("Monte Carlo");
    Draws draws(19970415);
    std::vector<std::vector<double>> values(TceChain.size());
    for (int i = 0; i < 50; ++i) {
        Column column = TceChainColumn;
        column.velocity = draws.lognormal(TceChainColumn.velocity, 0.35);
        const std::vector<double> point = chainConcentrations(TceChain, [&](double rate) {
            Transport transport = column.transport();
            transport.decayRate = rate;
            return columnFixedInlet(transport, 60, 1825);
        });
        for (std::size_t s = 0; s < TceChain.size(); ++s) {
            values[s].push_back(point[s]);
        }
    }
    file.line("Number of Monte Carlo Iterations: 51");
    for (std::size_t s = 0; s < TceChain.size(); ++s) {
        file.line(TceChain[s].name);
        for (const double value : values[s]) {
            file.line(printed(value));
        }
    }
    writeClosing(file);
    file.save(directory / "tce-dce-montecarlo.mc1");
}

const std::vector<Species> PceChain{{"Tetrachloroethylene (PCE)", 0.0008, 0.0, 30.0},
                                    {"Trichloroethylene (TCE)", 0.0003, 0.79, 0.0}};

void writeTwoDimensionalSpecies(const fs::path& directory) {
    SampleFile file;
    writeHeader(file, {"PLUMEX 3.0 - Two-Dimensional Multiple Species Model",
                       {"PCE and its daughter TCE from the solvent recovery yard"},
                       {"Sequential decay chain; Domenico plane source."},
                       "Two Dimensional",
                       "Medium sand",
                       "PCE and daughter products",
                       "m",
                       "day",
                       "mg/l"});
    const Aquifer a{0.35, 12.0, 1.2, 0.0, 0.3, 1.6, 0.1875, 0.0, 25.0, 0.0};
    const Axis x{0, 300, 30};
    const Axis y{-50, 50, 25};
    const Axis t{1000, 5000, 1000};
    writeModelInputStart(file, {{'X', x, "150"}, {'Y', y, "0"}, {'T', t, "3000"}},
                         MonteCarloPointHeading);
    file.line("Seepage Velocity (m/day): " + number(a.velocity));
    file.line("Longitudinal Dispersivity (m): " + number(a.longitudinal));
    file.line("Transverse Dispersivity (m): " + number(a.transverseY));
    file.line("Aquifer Thickness (m): 6");
    file.line("Porosity: " + number(a.porosity));
    file.line("Source Width (m): " + number(a.width));
    file.line("Recharge: Not Modelled");
    writeSorption(file, a.bulkDensity, a.distribution, a.retardation());
    file.line("Retardation Applied To: All Species");
    writeSpeciesTables(file, PceChain, a.retardation(), "1/day", "mg/l");
    file.line("Concentration Grid");
    const std::vector<double> xs = x.points();
    const std::vector<double> ys = y.points();
    const std::vector<double> ts = t.points();
    writePointCounts(file, {{'X', xs.size()}, {'Y', ys.size()}, {'T', ts.size()}});
    file.line("Concentration Distribution");
    file.line("Time");
    file.line(printedList(ts));
    for (std::size_t s = 0; s < PceChain.size(); ++s) {
        for (const double xi : xs) {
            for (const double yi : ys) {
                std::vector<double> row{xi, yi};
                for (const double ti : ts) {
                    row.push_back(chainConcentrations(PceChain, [&](double rate) {
                        Transport transport = a.transport();
                        transport.decayRate = rate;
                        return planeSource2D(transport, a.width, xi, yi, ti);
                    })[s]);
                }
                file.line(printedList(row));
            }
        }
    }
    writeClosing(file);
    file.save(directory / "pce-tce-chain.mc2");
}

void writeThreeDimensionalSpecies(const fs::path& directory) {
    SampleFile file;
    writeHeader(file, {"PLUMEX 3.0 - Three-Dimensional Multiple Species Model",
                       {"PCE and TCE below the dry cleaner, Main Street"},
                       {"Sequential decay chain; Domenico plane source at the water table."},
                       "Three Dimensional",
                       "Glacial outwash",
                       "PCE and daughter products",
                       "m",
                       "day",
                       "mg/l"});
    const Aquifer a{0.25, 12.0, 1.2, 0.12, 0.3, 1.6, 0.2, 0.0, 15.0, 3.0};
    const Grid3D grid{{0, 200, 40}, {-20, 20, 10}, {0, 6, 3}, {1500, 4500, 1500}};
    writeThreeDimensionalStart(file, grid, a, true);
    file.line("Superposition Index: 1");
    writeSpeciesTables(file, PceChain, a.retardation(), "1/day", "mg/l");
    file.line("Concentration Grid");
    std::vector<std::function<double(double, double, double, double)>> species;
    for (std::size_t s = 0; s < PceChain.size(); ++s) {
        species.push_back([&a, s](double x, double y, double z, double t) {
            return chainConcentrations(PceChain, [&](double rate) {
                Transport transport = a.transport();
                transport.decayRate = rate;
                return planeSource3D(transport, a.width, a.depth, x, y, z, t);
            })[s];
        });
    }
    writeXYZTGrid(file, grid, species);
    writeClosing(file);
    file.save(directory / "pce-tce-chain.mc3");
}

const std::vector<Species> AldicarbChain{{"Aldicarb", 2.0, 0.0, 5.0},
                                         {"Aldicarb sulfoxide", 0.8, 1.08, 0.0}};

void writeUnsaturatedSpecies(const fs::path& directory) {
    SampleFile file;
    writeHeader(file, {"PLUMEX 3.0 - Unsaturated Zone Multiple Species Model",
                       {"Aldicarb applied to a potato field; oxidation to the sulfoxide"},
                       {"Flux (third-type) inlet; sequential decay chain."},
                       "Unsaturated One Dimensional",
                       "Sandy loam",
                       "Cauchy",
                       "m",
                       "Year&yr",
                       "mg/l"});
    const VadoseZone zone{0.4, 0.3, 0.3, 1.5, 0.05, 0.0};
    const Axis x{0, 5, 0.25};
    const Axis t{0.25, 2.5, 0.25};
    writeModelInputStart(file, {{'X', x, "1"}, {'T', t, "1"}});
    writeVadoseParameters(file, zone);
    file.line("Boundary Condition: Flux");
    file.line("Inlet Flux Concentration Applies At Depth 0");
    file.line("Superposition Index: 1");
    writeSpeciesTables(file, AldicarbChain, zone.retardation(), "1/yr", "mg/l");
    file.line("Concentration Grid");
    writeSpeciesXTGrids(file, x, t, AldicarbChain, [&zone](double rate, double xi, double ti) {
        Transport transport = zone.transport();
        transport.decayRate = rate;
        return columnFluxInlet(transport, xi, ti);
    });
    writeClosing(file);
    file.save(directory / "aldicarb-chain.mcu");
}

} // namespace

namespace torval::sampledata {

void writeGroundwaterSamples(const fs::path& directory) {
    writeOneDimensionalGrid(directory);
    writeOneDimensionalMonteCarlo(directory);
    writeTwoDimensional(directory);
    writeThreeDimensional(directory);
    writeTimeVarying(directory);
    writeUnsaturated(directory);
    writeOneDimensionalSpecies(directory);
    writeOneDimensionalSpeciesMonteCarlo(directory);
    writeTwoDimensionalSpecies(directory);
    writeThreeDimensionalSpecies(directory);
    writeUnsaturatedSpecies(directory);
}

// A three-dimensional file of about `cells` grid values (ten depths, ten times, a square plan),
// printed to full precision.
void writeLargeGroundwaterFile(const fs::path& path, long cells) {
    const int sampleDigits = significantDigits;
    significantDigits = 15;
    const double side = std::max(1.0, std::round(std::sqrt(static_cast<double>(cells) / 100.0)));
    const double spacing = 500.0 / side;
    writeThreeDimensionalFile(path,
                              {{spacing, side * spacing, spacing},
                               {-side * spacing / 2.0, side * spacing / 2.0 - spacing, spacing},
                               {0, 9, 1},
                               {400, 4000, 400}});
    significantDigits = sampleDigits;
}

} // namespace torval::sampledata
