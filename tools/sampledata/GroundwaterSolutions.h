#pragma once
// Closed-form solutions of advection-dispersion with first-order decay, the physics behind the
// groundwater sample files. Velocities and dispersion coefficients are those of the dissolved
// phase already divided by the retardation factor; decay acts on both phases, so the rate is
// not divided. Every function answers a concentration relative to the source concentration.

#include <algorithm>
#include <cmath>

namespace torval::sampledata {

struct Transport {
    double velocity = 0.0;     // retarded seepage velocity, length per time
    double dispersivity = 0.0; // longitudinal, length
    double decayRate = 0.0;    // first order, per time
    double transverseY = 0.0;  // transverse horizontal dispersivity, length
    double transverseZ = 0.0;  // transverse vertical dispersivity, length
    double dispersion() const { return dispersivity * velocity; }
};

// exp(a) * erfc(b) without overflowing where erfc has already vanished.
inline double expTimesErfc(double a, double b) {
    const double tail = std::erfc(b);
    return tail == 0.0 ? 0.0 : std::exp(a + std::log(tail));
}

// Continuous source of fixed concentration at x = 0 of a semi-infinite column (first-type
// inlet): Ogata-Banks with decay.
inline double columnFixedInlet(const Transport& m, double x, double t) {
    if (t <= 0.0) {
        return 0.0;
    }
    const double d = m.dispersion();
    const double u = std::sqrt(m.velocity * m.velocity + 4.0 * m.decayRate * d);
    const double spread = 2.0 * std::sqrt(d * t);
    return 0.5 * expTimesErfc(x * (m.velocity - u) / (2.0 * d), (x - u * t) / spread) +
           0.5 * expTimesErfc(x * (m.velocity + u) / (2.0 * d), (x + u * t) / spread);
}

// The same column fed through a flux (third-type) inlet, as an infiltrating leachate enters
// the unsaturated zone; needs a decay rate above 0.
inline double columnFluxInlet(const Transport& m, double x, double t) {
    if (t <= 0.0) {
        return 0.0;
    }
    const double v = m.velocity;
    const double d = m.dispersion();
    const double k = m.decayRate;
    const double u = std::sqrt(v * v + 4.0 * k * d);
    const double spread = 2.0 * std::sqrt(d * t);
    return v / (v + u) * expTimesErfc(x * (v - u) / (2.0 * d), (x - u * t) / spread) +
           v / (v - u) * expTimesErfc(x * (v + u) / (2.0 * d), (x + u * t) / spread) +
           v * v / (2.0 * k * d) * expTimesErfc(v * x / d - k * t, (x + v * t) / spread);
}

// Domenico's approximation for a vertical plane source of width `width` centred on y = 0
// (two dimensions: the source spans the aquifer's thickness) ...
inline double planeSource2D(const Transport& m, double width, double x, double y, double t) {
    if (t <= 0.0) {
        return 0.0;
    }
    x = std::max(x, 1e-6);
    const double v = m.velocity;
    const double ax = m.dispersivity;
    const double root = std::sqrt(1.0 + 4.0 * m.decayRate * ax / v);
    const double along = expTimesErfc(x / (2.0 * ax) * (1.0 - root),
                                      (x - v * t * root) / (2.0 * std::sqrt(ax * v * t)));
    const double sy = 2.0 * std::sqrt(m.transverseY * x);
    const double across = std::erf((y + width / 2.0) / sy) - std::erf((y - width / 2.0) / sy);
    return 0.25 * along * across;
}

// ... and with a source depth `depth` below the water table (z downwards, three dimensions).
inline double planeSource3D(const Transport& m, double width, double depth, double x, double y,
                            double z, double t) {
    const double clampedX = std::max(x, 1e-6);
    const double sz = 2.0 * std::sqrt(m.transverseZ * clampedX);
    const double vertical = std::erf((z + depth) / sz) - std::erf((z - depth) / sz);
    return 0.5 * planeSource2D(m, width, x, y, t) * vertical;
}

// A decay chain parent -> daughter with the same transport: the daughter's concentration
// relative to the parent's source concentration, for a source free of daughter (the
// transformation of Sun, Petersen and Clement). `solution(rate)` gives the relative
// concentration of a species decaying at `rate`; `yield` is the daughter mass per parent mass
// decayed; the two rates must differ.
template <typename Solution>
double daughterOfChain(double parentRate, double daughterRate, double yield, Solution solution) {
    const double weight = yield * parentRate / (parentRate - daughterRate);
    const double value = weight * (solution(daughterRate) - solution(parentRate));
    return std::max(value, 0.0);
}

} // namespace torval::sampledata
