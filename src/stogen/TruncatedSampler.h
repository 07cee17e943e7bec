#pragma once
// Draws from a distribution restricted exactly to [lower, upper] by inverting its CDF over the
// probability window the two bounds cut out: the unit variate is mapped into that window, so
// every draw is accepted and a far tail costs no more than the bulk (no rejection loop).
//
// Windows in the upper half are taken on the survival function (the complement) instead: near
// 1 a double cannot tell 1 - 1e-17 from 1, so a window such as [8, 8.5] sd above a normal mean
// would collapse to a handful of values; the survival probabilities keep full precision there.
// A window holding no probability a double can represent yields the nearer bound, the one on
// the side of the distribution's median, for every draw.

#include <algorithm>
#include <boost/math/distributions/complement.hpp>

namespace torval::stogen {

template <class Distribution>
class TruncatedSampler {
public:
    // lower <= upper, both finite; they may lie partly or wholly outside the support.
    TruncatedSampler(const Distribution& distribution, double lower, double upper)
        : distribution_(distribution), lower_(lower), upper_(upper) {
        const double belowLower = lowerTailAt(lower);
        upperTail_ = belowLower > 0.5;
        if (upperTail_) {
            windowStart_ = upperTailAt(upper);
            windowEnd_ = upperTailAt(lower);
        } else {
            windowStart_ = belowLower;
            windowEnd_ = lowerTailAt(upper);
        }
    }

    // `unit` strictly between 0 and 1. The result lies in [lower, upper].
    double operator()(double unit) const {
        if (!(windowEnd_ > windowStart_)) {
            return upperTail_ ? lower_ : upper_;
        }
        const double probability = windowStart_ + unit * (windowEnd_ - windowStart_);
        return withinBounds(upperTail_ ? fromUpperTail(probability) : fromLowerTail(probability));
    }

private:
    // The CDF is only asked inside the support: outside it some Boost distributions report a
    // domain error (a lognormal at a negative bound) where the answer is plainly 0 or 1.
    double insideSupport(double x) const {
        const auto [first, last] = support(distribution_);
        return std::clamp(x, first, last);
    }

    double lowerTailAt(double x) const { return cdf(distribution_, insideSupport(x)); }

    double upperTailAt(double x) const {
        return cdf(boost::math::complement(distribution_, insideSupport(x)));
    }

    // Rounding can put the probability on the window's edge, where the bound itself is the
    // exact answer (and the quantile may be infinite).
    double fromLowerTail(double probability) const {
        if (probability <= windowStart_) {
            return lower_;
        }
        if (probability >= windowEnd_) {
            return upper_;
        }
        return quantile(distribution_, probability);
    }

    double fromUpperTail(double probability) const {
        if (probability <= windowStart_) {
            return upper_;
        }
        if (probability >= windowEnd_) {
            return lower_;
        }
        return quantile(boost::math::complement(distribution_, probability));
    }

    // Quantile round-off can land a hair outside the bounds. A nan (which a window inside
    // (0, 1) should never produce) goes to the lower bound rather than out of range.
    double withinBounds(double x) const {
        if (!(x >= lower_)) {
            return lower_;
        }
        return std::min(x, upper_);
    }

    Distribution distribution_;
    double lower_;
    double upper_;
    bool upperTail_ = false;
    double windowStart_ = 0.0;
    double windowEnd_ = 0.0;
};

} // namespace torval::stogen
