#include "RequestCheck.h"

#include <cmath>
#include <initializer_list>

namespace torval::stogen {
namespace {

bool isKnownDistribution(int16_t code) {
    return code >= GeneratorNormal && code <= GeneratorLoguniform;
}

// Every number is checked, also those the distribution ignores: a nan anywhere in a request
// means the caller computed it from something broken.
bool allNumbersFinite(const GeneratorRequest& request) {
    for (const float number :
         {request.Mean, request.StdDev, request.Variance, request.Minimum, request.Maximum}) {
        if (!std::isfinite(number)) {
            return false;
        }
    }
    return true;
}

GeneratorStatus checkDistributionParameters(const GeneratorRequest& request) {
    switch (request.Distribution) {
    case GeneratorNormal:
    case GeneratorGumbel:
        return request.StdDev > 0.0f ? GeneratorOk : GeneratorNonPositiveSpread;
    case GeneratorLognormal:
        if (request.Mean <= 0.0f) {
            return GeneratorNonPositiveMean;
        }
        return request.Variance > 0.0f ? GeneratorOk : GeneratorNonPositiveSpread;
    case GeneratorExponential:
        return request.Mean > 0.0f ? GeneratorOk : GeneratorNonPositiveMean;
    case GeneratorLoguniform:
        return request.Minimum > 0.0f ? GeneratorOk : GeneratorNonPositiveBound;
    default:
        return GeneratorOk;
    }
}

} // namespace

GeneratorStatus checkRequest(const GeneratorRequest& request) {
    if (request.Count <= 0) {
        return GeneratorBadCount;
    }
    if (!isKnownDistribution(request.Distribution)) {
        return GeneratorUnknownDistribution;
    }
    if (!allNumbersFinite(request)) {
        return GeneratorNonFiniteParameter;
    }
    if (request.Minimum > request.Maximum) {
        return GeneratorInvertedBounds;
    }
    if (request.Variance < 0.0f || request.StdDev < 0.0f) {
        return GeneratorNegativeVariance;
    }
    return checkDistributionParameters(request);
}

} // namespace torval::stogen
