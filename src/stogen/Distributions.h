#pragma once
// The seven target distributions, each built from the fields of an already checked request
// that it uses. The generator visits the variant once per request and samples the alternative
// it holds through TruncatedSampler.

#include "LogUniform.h"
#include "stogen/GeneratorRequest.h"

#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/uniform.hpp>
#include <variant>

namespace torval::stogen {

// Errors become values instead of exceptions (the sampler never asks outside (0, 1) and clamps
// what comes back), and double is never promoted to long double: long double is 80 bits on
// x86 Linux and 64 bits with MSVC, which would make a seeded series differ between platforms.
using SamplingPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
    boost::math::policies::promote_double<false>>;

using Normal = boost::math::normal_distribution<double, SamplingPolicy>;
using Lognormal = boost::math::lognormal_distribution<double, SamplingPolicy>;
using Uniform = boost::math::uniform_distribution<double, SamplingPolicy>;
using Exponential = boost::math::exponential_distribution<double, SamplingPolicy>;
using Gumbel = boost::math::extreme_value_distribution<double, SamplingPolicy>;
using Triangle = boost::math::triangular_distribution<double, SamplingPolicy>;

using TargetDistribution =
    std::variant<Normal, Lognormal, Uniform, Exponential, Gumbel, Triangle, LogUniform>;

// Mean and StdDev.
Normal normalFrom(const GeneratorRequest& request);
// The arithmetic Mean m and Variance v: mu = ln(m^2 / sqrt(v + m^2)), sigma^2 = ln(1 + v / m^2).
Lognormal lognormalFrom(const GeneratorRequest& request);
// Minimum and Maximum.
Uniform uniformFrom(const GeneratorRequest& request);
// Rate 1 / Mean.
Exponential exponentialFrom(const GeneratorRequest& request);
// Gumbel for maxima with the given Mean and StdDev: scale = sd * sqrt(6) / pi,
// location = mean - Euler's constant * scale.
Gumbel gumbelFrom(const GeneratorRequest& request);
// On [Minimum, Maximum] with the mode 3 * Mean - Minimum - Maximum that gives the stated mean,
// clamped into the bounds when the mean lies too far to one side.
Triangle triangleFrom(const GeneratorRequest& request);
// Minimum and Maximum.
LogUniform loguniformFrom(const GeneratorRequest& request);

// The distribution of the request's code. Needs Minimum < Maximum (uniform, triangle and
// loguniform have no distribution on a single point).
TargetDistribution targetDistribution(const GeneratorRequest& request);

} // namespace torval::stogen
