#pragma once
// Boost.Math has no log-uniform distribution, so it is written here in the same shape as a
// Boost distribution: free functions support, cdf and quantile (also of the complement), found
// by argument-dependent lookup, so the truncated sampler treats all seven alike. ln X is
// uniform on [ln minimum, ln maximum]; both bounds must be above 0 and apart.

#include <boost/math/distributions/complement.hpp>
#include <cmath>
#include <utility>

namespace torval::stogen {

class LogUniform {
public:
    LogUniform(double minimum, double maximum)
        : minimum_(minimum), maximum_(maximum), logMinimum_(std::log(minimum)),
          logMaximum_(std::log(maximum)) {}

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double logMinimum() const { return logMinimum_; }
    double logMaximum() const { return logMaximum_; }
    double logSpan() const { return logMaximum_ - logMinimum_; }

private:
    double minimum_;
    double maximum_;
    double logMinimum_;
    double logMaximum_;
};

using LogUniformComplement = boost::math::complemented2_type<LogUniform, double>;

inline std::pair<double, double> support(const LogUniform& distribution) {
    return {distribution.minimum(), distribution.maximum()};
}

inline double cdf(const LogUniform& distribution, double x) {
    return (std::log(x) - distribution.logMinimum()) / distribution.logSpan();
}

inline double cdf(const LogUniformComplement& complement) {
    const LogUniform& distribution = complement.dist;
    return (distribution.logMaximum() - std::log(complement.param)) / distribution.logSpan();
}

inline double quantile(const LogUniform& distribution, double probability) {
    return std::exp(distribution.logMinimum() + probability * distribution.logSpan());
}

inline double quantile(const LogUniformComplement& complement) {
    const LogUniform& distribution = complement.dist;
    return std::exp(distribution.logMaximum() - complement.param * distribution.logSpan());
}

} // namespace torval::stogen
