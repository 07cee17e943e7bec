// The C entries of the library. Nothing may escape them: no exception crosses the C boundary,
// and on any refusal the caller's slots stay untouched and Count says that nothing was
// delivered. Both entries check a request the same way; they differ only in how they fill it.

#include "RequestCheck.h"
#include "Seed.h"
#include "SeriesGenerator.h"
#include "stogen/GeneratorRequest.h"

namespace {

using SeriesFill = void (*)(const GeneratorRequest&, float*, std::mt19937_64&);

GeneratorStatus deliver(const GeneratorRequest& request, float* values, SeriesFill fill) {
    const GeneratorStatus status = torval::stogen::checkRequest(request);
    if (status != GeneratorOk) {
        return status;
    }
    return torval::stogen::withSeededEngine(
        [&](std::mt19937_64& engine) { fill(request, values, engine); });
}

int16_t answer(GeneratorRequest* request, float* values, SeriesFill fill) {
    if (request == nullptr) {
        return GeneratorNullArgument;
    }
    const GeneratorRequest asked = *request;
    request->Count = 0;
    if (values == nullptr) {
        return GeneratorNullArgument;
    }
    try {
        const GeneratorStatus status = deliver(asked, values, fill);
        if (status == GeneratorOk) {
            request->Count = asked.Count;
        }
        return static_cast<int16_t>(status);
    } catch (...) {
        return GeneratorUnexpectedFailure;
    }
}

} // namespace

extern "C" STOGEN_API int16_t STOGEN_CALL monteCarlo(GeneratorRequest* request, float* values) {
    return answer(request, values, &torval::stogen::generateSeries);
}

extern "C" STOGEN_API int16_t STOGEN_CALL latinHypercube(GeneratorRequest* request, float* values) {
    return answer(request, values, &torval::stogen::generateStratifiedSeries);
}
