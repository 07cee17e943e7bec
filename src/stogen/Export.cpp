// The C entry of the library. Nothing may escape it: no exception crosses the C boundary, and
// on any refusal the caller's slots stay untouched and Count says that nothing was delivered.

#include "RequestCheck.h"
#include "Seed.h"
#include "SeriesGenerator.h"
#include "stogen/GeneratorRequest.h"

namespace {

GeneratorStatus deliver(const GeneratorRequest& request, float* values) {
    const GeneratorStatus status = torval::stogen::checkRequest(request);
    if (status != GeneratorOk) {
        return status;
    }
    return torval::stogen::withSeededEngine(
        [&](std::mt19937_64& engine) { torval::stogen::generateSeries(request, values, engine); });
}

} // namespace

extern "C" STOGEN_API int16_t STOGEN_CALL monteCarlo(GeneratorRequest* request, float* values) {
    if (request == nullptr) {
        return GeneratorNullArgument;
    }
    const GeneratorRequest asked = *request;
    request->Count = 0;
    if (values == nullptr) {
        return GeneratorNullArgument;
    }
    try {
        const GeneratorStatus status = deliver(asked, values);
        if (status == GeneratorOk) {
            request->Count = asked.Count;
        }
        return static_cast<int16_t>(status);
    } catch (...) {
        return GeneratorUnexpectedFailure;
    }
}
