#pragma once
// Number helpers of the air and surface-water generators: values rounded to the few digits a
// model prints, and reproducible random draws for Monte Carlo result files. The draws use only
// std::mt19937_64, whose sequence the standard fixes, and their own transforms, so every
// platform writes the same files.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <system_error>

namespace torval::sampledata {

// The value rounded to `digits` significant digits.
inline double significant(double value, int digits = 6) {
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

// Log-normally distributed values given by their median and geometric standard deviation,
// the usual description of wind speeds, air exchange rates and river velocities.
class LognormalDraws {
public:
    LognormalDraws(double median, double geometricDeviation, std::uint64_t seed)
        : mu_(std::log(median)), sigma_(std::log(geometricDeviation)), engine_(seed) {}

    double next() { return std::exp(mu_ + sigma_ * standardNormal()); }

private:
    double uniform() {
        // 53 random bits, never exactly 0, so that the logarithm below stays finite.
        return (static_cast<double>(engine_() >> 11) + 0.5) * 0x1.0p-53;
    }

    // Box-Muller, one of the pair.
    double standardNormal() {
        return std::sqrt(-2.0 * std::log(uniform())) * std::cos(2.0 * std::numbers::pi * uniform());
    }

    double mu_;
    double sigma_;
    std::mt19937_64 engine_;
};

} // namespace torval::sampledata
