// Writes the sample files of the surface-water models into the directory given, one per sub
// type: the dilution of three kinds of outfall (near field), a river with transverse mixing, a
// river with first-order decay (steady) and with longitudinal dispersion (moving front), an
// estuary, a lake as a stirred tank and as a box model, a coastal outfall plume (far field),
// and bed sediments of a river, an estuary and a lake. Two Monte Carlo result files vary the
// river velocity under an outfall and the net flow of the estuary.
#include "SampleDraws.h"
#include "SampleFile.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace torval::sampledata {

namespace {

constexpr double SecondsPerDay = 86400.0;

struct Range {
    double from;
    double to;
    double step;

    int count() const { return static_cast<int>(std::lround((to - from) / step)) + 1; }
    double at(int i) const { return from + i * step; }
    std::string text() const { return number(from) + ":" + number(to) + ":" + number(step); }
};

SampleFile headedFile(std::string_view model, std::string_view subType) {
    SampleFile file;
    file.line("PLUMEX Surface Water Model Output");
    file.line("[Begin Surface Model Data File]").line(model).line(subType);
    return file;
}

std::string pair(std::string_view label, double value) {
    return std::string(label) + ", " + number(value);
}

void writeRows(SampleFile& file, const std::vector<double>& values, std::size_t perLine) {
    for (std::size_t from = 0; from < values.size(); from += perLine) {
        const auto to = std::min(values.size(), from + perLine);
        file.line(numberList({values.begin() + static_cast<std::ptrdiff_t>(from),
                              values.begin() + static_cast<std::ptrdiff_t>(to)}));
    }
}

double largest(const std::vector<double>& values) {
    double maximum = 0.0;
    for (const double value : values) {
        maximum = std::max(maximum, value);
    }
    return maximum;
}

// The regular output of a grid given row by row (first axis slowest); the result line before
// it holds the grid's largest concentration.
void writeRegularOutput(SampleFile& file, const std::vector<int>& counts,
                        const std::vector<std::vector<double>>& rows) {
    std::vector<double> all;
    for (const auto& row : rows) {
        all.insert(all.end(), row.begin(), row.end());
    }
    file.line(number(largest(all)));
    file.line("[Begin Regular Output]");
    std::vector<double> countValues(counts.begin(), counts.end());
    file.line(numberList(countValues));
    for (const auto& row : rows) {
        writeRows(file, row, 10);
    }
    file.line("[End Regular Output]");
}

// Below this (kg/m3) a model prints zero.
constexpr double NegligibleConcentration = 1e-20;

std::vector<double> profile(const Range& range, const std::function<double(double)>& value) {
    std::vector<double> values;
    for (int i = 0; i < range.count(); ++i) {
        const double concentration = value(range.at(i));
        values.push_back(concentration < NegligibleConcentration ? 0.0
                                                                 : significant(concentration, 5));
    }
    return values;
}

void writeMonteCarloOutput(SampleFile& file, const std::vector<double>& series) {
    file.line("Monte Carlo Simulation");
    file.line("[Begin Monte Carlo Output]");
    file.line(std::to_string(series.size() + 1));
    writeRows(file, series, 5);
    file.line("[End Monte Carlo Output]");
}

// ---- Near field: dilution S of an effluent of concentration C0 gives C0 / S (kg/m3).

struct SideChannel {
    double effluent = 0.05; // kg/m3
    double discharge = 0.5; // m3/s
    double width = 10.0;    // mixing zone, m
    double depth = 1.5;     // m
};

double channelConcentration(const SideChannel& c, double velocity) {
    return significant(c.effluent / (1.0 + velocity * c.depth * c.width / c.discharge), 5);
}

void writeSurfacePointDischarge(SampleFile& file, const SideChannel& c) {
    file.line("Effluent Concentration (kg/m3)").line(number(c.effluent) + ", Phenol");
    file.line("Surface Channel Discharge");
    file.line(pair("Discharge Flow (m3/s)", c.discharge));
    file.line(pair("Channel Width (m)", 2.0));
    file.line(pair("Ambient Velocity (m/s)", 0.3));
}

void writeNearFieldFiles(const std::filesystem::path& directory) {
    const SideChannel channel;
    SampleFile surface = headedFile("Near-Field Mixing", "Surface Point Discharges");
    writeSurfacePointDischarge(surface, channel);
    surface.line(number(channelConcentration(channel, 0.3)));
    surface.save(directory / "outfall.spd");

    LognormalDraws velocity(0.3, 1.4, 1357);
    std::vector<double> series;
    for (int i = 1; i < 101; ++i) {
        series.push_back(channelConcentration(channel, velocity.next()));
    }
    SampleFile varied = headedFile("Near-Field Mixing", "Surface Point Discharges");
    writeSurfacePointDischarge(varied, channel);
    writeMonteCarloOutput(varied, series);
    varied.save(directory / "outfallmc.spd");

    // A round buoyant jet rising through depth z: S = 0.089 (g' Q)^(1/3) z^(5/3) / Q.
    const double flow = 0.2;
    const double depth = 12.0;
    const double buoyancy = 0.245;
    const double jetDilution =
        0.089 * std::cbrt(buoyancy * flow) * std::pow(depth, 5.0 / 3.0) / flow;
    SampleFile port = headedFile("Near-Field Mixing", "Submerged Point Discharges");
    port.line("Effluent Concentration (kg/m3)").line("0.08, Ammonia");
    port.line("Single Port Outfall");
    port.line(pair("Discharge Flow (m3/s)", flow)).line(pair("Port Diameter (m)", 0.3));
    port.line(number(depth));
    port.line(number(significant(0.08 / jetDilution, 5)));
    port.save(directory / "port.bpd");

    // A line plume over a diffuser of length L: S = 0.38 (g' q)^(1/3) z / q with q = Q / L.
    const double diffuserFlow = 1.5;
    const double length = 100.0;
    const double perMetre = diffuserFlow / length;
    const double lineDilution = 0.38 * std::cbrt(buoyancy * perMetre) * 20.0 / perMetre;
    SampleFile diffuser = headedFile("Near-Field Mixing", "Submerged Multiport Diffusers");
    diffuser.line("Effluent Concentration (kg/m3)").line("0.03, Zinc");
    diffuser.line("Multiport Diffuser");
    diffuser.line(pair("Discharge Flow (m3/s)", diffuserFlow));
    diffuser.line(pair("Diffuser Length (m)", length)).line(pair("Number of Ports", 20));
    diffuser.line(pair("Water Depth (m)", 20));
    diffuser.line(number(significant(0.03 / lineDilution, 5)));
    diffuser.save(directory / "diffuser.mpd");
}

// ---- Far field.

// A bank discharge spreading across a river of width W, reflected at both banks.
void writeTransverseMixing(const std::filesystem::path& directory) {
    const double initial = 0.005; // kg/m3
    const double effluentFlow = 0.5;
    const double width = 60.0;
    const double depth = 1.5;
    const double dispersion = 0.05; // m2/s
    const double velocity = 0.4;
    const Range x{100, 2100, 200};
    const Range y{0, 60, 5};
    const double load = initial * effluentFlow; // kg/s
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < x.count(); ++i) {
        const double spread = 4.0 * dispersion * x.at(i) / velocity;
        rows.push_back(profile(y, [&](double across) {
            double images = 0.0;
            for (int n = -3; n <= 3; ++n) {
                const double d = across - 2.0 * n * width;
                images += std::exp(-d * d / spread);
            }
            return load / (depth * std::sqrt(std::numbers::pi * dispersion * x.at(i) * velocity)) *
                   images;
        }));
    }
    SampleFile file = headedFile("Far-Field Mixing", "Transverse Mixing");
    file.line(number(initial) + ", Initial Concentration (kg/m3)");
    file.line(pair("River Width (m)", width));
    file.line("Downstream Distance (m), " + x.text());
    file.line(pair("Transverse Dispersion Coefficient (m2/s)", dispersion));
    file.line(pair("Mean Velocity (m/s)", velocity));
    file.line(y.text());
    writeRegularOutput(file, {x.count(), y.count()}, rows);
    file.save(directory / "mixing.rvr");
}

struct River {
    double initial = 0.002;   // kg/m3
    double decayPerDay = 0.5; // 1/day
    double velocity = 0.3;    // m/s
};

void writeRiverParameters(SampleFile& file, const River& river, const Range& t, const Range& x,
                          double dispersion) {
    file.line(pair("Initial Concentration (kg/m3)", river.initial));
    file.line(pair("Decay Rate (1/day)", river.decayPerDay));
    file.line(t.text() + ", Time Range (sec)");
    file.line(pair("Mean Velocity (m/s)", river.velocity));
    file.line(x.text() + ", Distance Range (m)");
    file.line(number(dispersion));
}

// First-order decay carried down a river: C = C0 exp(-k x / u).
void writeRiverDecay(const std::filesystem::path& directory) {
    const River river;
    const Range t{0, 0, 1};
    const Range x{0, 30000, 1500};
    const double k = river.decayPerDay / SecondsPerDay;
    SampleFile file = headedFile("Far-Field Mixing", "Longitudinal Advection");
    writeRiverParameters(file, river, t, x, 0.0);
    writeRegularOutput(file, {x.count()}, {profile(x, [&](double distance) {
                           return river.initial * std::exp(-k * distance / river.velocity);
                       })});
    file.save(directory / "decay.rvr");
}

// A step input at x = 0 from time 0, with dispersion D and decay k (the leading term of the
// Ogata-Banks solution with decay).
void writeRiverFront(const std::filesystem::path& directory) {
    const River river;
    const double dispersion = 20.0;
    const Range t{0, 172800, 14400};
    const Range x{0, 30000, 3000};
    const double k = river.decayPerDay / SecondsPerDay;
    const double u = river.velocity;
    const double gamma = std::sqrt(1.0 + 4.0 * k * dispersion / (u * u));
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < x.count(); ++i) {
        rows.push_back(profile(t, [&](double time) {
            const double distance = x.at(i);
            if (time == 0.0) {
                return distance == 0.0 ? river.initial : 0.0;
            }
            return river.initial / 2.0 * std::exp(distance * u * (1.0 - gamma) / (2 * dispersion)) *
                   std::erfc((distance - u * gamma * time) / (2.0 * std::sqrt(dispersion * time)));
        }));
    }
    SampleFile file = headedFile("Far-Field Mixing", "Longitudinal Advection");
    writeRiverParameters(file, river, t, x, dispersion);
    writeRegularOutput(file, {x.count(), t.count()}, rows);
    file.save(directory / "front.rvr");
}

struct Estuary {
    double initial = 0.004;    // kg/m3
    double dispersion = 150.0; // tidal, m2/s
    double decayPerDay = 0.2;
};

// Steady state seaward of a continuous source: C = C0 exp(u (1 - sqrt(1 + 4kE/u^2)) x / 2E).
double estuaryConcentration(const Estuary& e, double netVelocity, double x) {
    const double k = e.decayPerDay / SecondsPerDay;
    const double root = std::sqrt(1.0 + 4.0 * k * e.dispersion / (netVelocity * netVelocity));
    return e.initial * std::exp(netVelocity * (1.0 - root) * x / (2.0 * e.dispersion));
}

void writeEstuaryParameters(SampleFile& file, const Estuary& e, const Range& x) {
    file.line(number(e.initial) + ", Initial Concentration (kg/m3)");
    file.line(pair("Tidal Dispersion Coefficient (m2/s)", e.dispersion));
    file.line("Distance Seaward (m), " + x.text());
    file.line(pair("Net Velocity (m/s)", 0.05));
}

void writeEstuaryFiles(const std::filesystem::path& directory) {
    const Estuary estuary;
    const Range x{0, 20000, 1000};
    SampleFile file = headedFile("Far-Field Mixing", "Estuary");
    writeEstuaryParameters(file, estuary, x);
    writeRegularOutput(file, {x.count()}, {profile(x, [&](double distance) {
                           return estuaryConcentration(estuary, 0.05, distance);
                       })});
    file.save(directory / "bay.est");

    // The net velocity varies with the river flow; the result is taken 5 km seaward.
    LognormalDraws velocity(0.05, 1.5, 2468);
    std::vector<double> series;
    for (int i = 1; i < 61; ++i) {
        series.push_back(significant(estuaryConcentration(estuary, velocity.next(), 5000.0), 5));
    }
    SampleFile varied = headedFile("Far-Field Mixing", "Estuary");
    writeEstuaryParameters(varied, estuary, x);
    writeMonteCarloOutput(varied, series);
    varied.save(directory / "baymc.est");
}

struct Lake {
    double inflow = 0.001;       // kg/m3
    double residenceDays = 30.0; // volume / outflow
    double decayPerDay = 0.01;
};

// A stirred tank filling from clean water: C = Cin/(1 + k tau) (1 - exp(-(1 + k tau) t / tau)).
double lakeConcentration(const Lake& lake, double seconds) {
    const double days = seconds / SecondsPerDay;
    const double factor = 1.0 + lake.decayPerDay * lake.residenceDays;
    return lake.inflow / factor * (1.0 - std::exp(-factor * days / lake.residenceDays));
}

void writeLakeFiles(const std::filesystem::path& directory) {
    const Lake lake;
    const Range t{0, 31536000, 2628000};
    const auto series = profile(t, [&](double time) { return lakeConcentration(lake, time); });
    SampleFile small = headedFile("Far-Field Mixing", "Small Lakes");
    small.line(number(lake.inflow) + ", Inflow Concentration (kg/m3)");
    small.line(pair("Residence Time (day)", lake.residenceDays));
    small.line("Time Range (sec), " + t.text());
    writeRegularOutput(small, {t.count()}, {series});
    small.save(directory / "pond.lak");

    const auto writeBoxModel = [&](SampleFile& file, const Range& range, double result) {
        file.line(number(lake.inflow) + ", Inflow Concentration (kg/m3)");
        file.line("Number of Inflows, 2").line("1, 1").line("1");
        file.line(range.text()).line(number(result));
        file.line(pair("Inflow 1 (m3/s)", 2.5)).line(pair("Inflow 2 (m3/s)", 1.2));
        file.line("Outflow 3.7 m3/s").line("Evaporation 0 m3/s");
    };
    SampleFile box = headedFile("Far-Field Mixing", "Small Lakes (Box Model)");
    writeBoxModel(box, t, largest(series));
    box.line("[Begin Regular Output]").line(std::to_string(t.count()));
    writeRows(box, series, 10);
    box.line("[End Regular Output]");
    box.save(directory / "lakebox.lak");

    // The steady state alone ends after the inflow and outflow lines.
    SampleFile steady = headedFile("Far-Field Mixing", "Small Lakes (Box Model)");
    writeBoxModel(steady, {0, 0, 1},
                  significant(lake.inflow / (1.0 + lake.decayPerDay * lake.residenceDays), 5));
    steady.save(directory / "lakeboxss.lak");
}

// A sewage outfall in a coastal current: C = M / (H sqrt(4 pi E x u)) exp(-u y^2 / 4 E x)
// exp(-k x / u), with bacteria-like decay.
void writeOceanOutfall(const std::filesystem::path& directory) {
    const double initial = 0.002;
    const double load = initial * 1.0; // kg/s from 1 m3/s
    const double mixedDepth = 10.0;
    const double current = 0.1;
    const double diffusivity = 1.0;
    const double k = 1.0 / SecondsPerDay;
    const Range x{100, 5100, 500};
    const Range y{-1000, 1000, 200};
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < x.count(); ++i) {
        const double distance = x.at(i);
        rows.push_back(profile(y, [&](double across) {
            return load /
                   (mixedDepth *
                    std::sqrt(4 * std::numbers::pi * diffusivity * distance * current)) *
                   std::exp(-current * across * across / (4 * diffusivity * distance)) *
                   std::exp(-k * distance / current);
        }));
    }
    SampleFile file = headedFile("Far-Field Mixing", "Oceans");
    file.line(number(initial) + ", Initial Concentration (kg/m3)");
    file.line(pair("Current Speed (m/s)", current));
    file.line(pair("Horizontal Diffusivity (m2/s)", diffusivity));
    file.line(x.text() + ", " + y.text());
    writeRegularOutput(file, {x.count(), y.count()}, rows);
    file.save(directory / "outfall.oce");
}

// ---- Sediment: the bed takes up a chemical from the water column through sorption (Kd).

constexpr double WaterConcentration = 1.0e-5; // kg/m3
constexpr double PartitionCoefficient = 0.5;  // m3/kg
constexpr double BedSolids = 2650.0 * 0.6;    // kg of solids per m3 of bed

double bedEquilibrium() {
    return WaterConcentration * PartitionCoefficient * BedSolids;
}

double bedUptake(double seconds, double timeConstantDays) {
    return bedEquilibrium() * (1.0 - std::exp(-seconds / SecondsPerDay / timeConstantDays));
}

void writeSedimentFiles(const std::filesystem::path& directory) {
    SampleFile fletcher = headedFile("Sediment Model", "Fletcher-Dotson Model");
    fletcher.line(pair("Water Column Concentration (kg/m3)", WaterConcentration));
    fletcher.line(pair("Partition Coefficient Kd (m3/kg)", PartitionCoefficient));
    fletcher.line(pair("Suspended Sediment (kg/m3)", 0.02));
    fletcher.line("Number of Sediment Layers, 2");
    fletcher.line(pair("Layer 1 Thickness (m)", 0.05)).line(pair("Layer 2 Thickness (m)", 0.1));
    fletcher.line(number(significant(bedEquilibrium(), 5)));
    fletcher.save(directory / "bed.riv");

    const Range year{0, 31536000, 2628000};
    SampleFile onishi = headedFile("Sediment Model", "Onishi Model");
    onishi.line(pair("Water Column Concentration (kg/m3)", WaterConcentration));
    onishi.line("Time Range (sec), " + year.text());
    onishi.line(pair("Deposition Velocity (m/day)", 0.5));
    onishi.line("3, Sediment Size Fractions");
    onishi.line(pair("Sand Fraction", 0.6)).line(pair("Silt Fraction", 0.3));
    onishi.line(pair("Clay Fraction", 0.1));
    writeRegularOutput(onishi, {year.count()},
                       {profile(year, [](double t) { return bedUptake(t, 90.0); })});
    onishi.save(directory / "onishi.riv");

    // Seaward the water column thins out as the estuary dilutes it.
    const Range x{0, 20000, 2000};
    const Range t{0, 31536000, 5256000};
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < x.count(); ++i) {
        const double dilution = std::exp(-x.at(i) / 15000.0);
        rows.push_back(profile(t, [&](double time) { return dilution * bedUptake(time, 120.0); }));
    }
    SampleFile estuaries = headedFile("Sediment Model", "Estuaries");
    estuaries.line(pair("Water Column Concentration (kg/m3)", WaterConcentration));
    estuaries.line(pair("Partition Coefficient Kd (m3/kg)", PartitionCoefficient));
    estuaries.line(pair("Suspended Sediment (kg/m3)", 0.05));
    estuaries.line(pair("Settling Velocity (m/day)", 1.0));
    estuaries.line(pair("Tidal Dispersion Coefficient (m2/s)", 150));
    estuaries.line("Distance Seaward (m), " + x.text());
    estuaries.line(t.text());
    writeRegularOutput(estuaries, {x.count(), t.count()}, rows);
    estuaries.save(directory / "delta.etr");

    SampleFile lakes = headedFile("Sediment Model", "Lakes");
    lakes.line(pair("Water Column Concentration (kg/m3)", WaterConcentration));
    lakes.line(pair("Partition Coefficient Kd (m3/kg)", PartitionCoefficient));
    lakes.line(pair("Settling Velocity (m/day)", 0.8));
    lakes.line(pair("Burial Rate (cm/yr)", 0.5));
    lakes.line("Time Range (sec), " + year.text());
    writeRegularOutput(lakes, {year.count()},
                       {profile(year, [](double t) { return bedUptake(t, 200.0); })});
    lakes.save(directory / "reservoir.lke");
}

void writeSurfaceSamples(const std::filesystem::path& directory) {
    writeNearFieldFiles(directory);
    writeTransverseMixing(directory);
    writeRiverDecay(directory);
    writeRiverFront(directory);
    writeEstuaryFiles(directory);
    writeLakeFiles(directory);
    writeOceanOutfall(directory);
    writeSedimentFiles(directory);
}

} // namespace

} // namespace torval::sampledata

int main(int argc, char** argv) {
    return torval::sampledata::runGenerator(argc, argv, torval::sampledata::writeSurfaceSamples);
}
