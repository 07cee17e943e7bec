#ifndef STOGEN_GENERATOR_REQUEST_H
#define STOGEN_GENERATOR_REQUEST_H
/* The generator library's whole C interface: the request record the program fills for one
 * Monte Carlo variant and the two exported functions that write the variant's random values
 * (plain random sampling and Latin hypercube sampling).
 * The program calls it once per variant in use; tests and torval-cli call it the same way.
 * The header stays plain C so that any caller with a C ABI can use the library. */

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define STOGEN_CALL __stdcall
#if defined(STOGEN_BUILDING_LIBRARY)
#define STOGEN_API __declspec(dllexport)
#else
#define STOGEN_API __declspec(dllimport)
#endif
#else
#define STOGEN_CALL
#define STOGEN_API __attribute__((visibility("default")))
#endif

#if defined(__cplusplus)
#define STOGEN_STATIC_ASSERT static_assert
#else
#define STOGEN_STATIC_ASSERT _Static_assert
#endif

/* Little-endian, natural alignment, 28 bytes. On entry Count is the number of values wanted;
 * on return it is the number delivered (Count on success, 0 on any refusal). StdDev is the
 * square root of Variance; both are passed so that no distribution re-derives the other. */
typedef struct GeneratorRequest {
    int32_t Count;
    float Mean;
    float StdDev;
    float Variance;
    float Minimum;
    float Maximum;
    int16_t Distribution;
    int16_t padding;
} GeneratorRequest;

STOGEN_STATIC_ASSERT(sizeof(GeneratorRequest) == 28, "GeneratorRequest must be 28 bytes");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, Count) == 0, "Count at offset 0");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, Mean) == 4, "Mean at offset 4");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, StdDev) == 8, "StdDev at offset 8");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, Variance) == 12, "Variance at offset 12");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, Minimum) == 16, "Minimum at offset 16");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, Maximum) == 20, "Maximum at offset 20");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, Distribution) == 24, "Distribution at 24");
STOGEN_STATIC_ASSERT(offsetof(GeneratorRequest, padding) == 26, "padding at offset 26");

/* Codes of GeneratorRequest.Distribution. */
enum GeneratorDistribution {
    GeneratorNormal = 1,
    GeneratorLognormal = 2,
    GeneratorUniform = 3,
    GeneratorExponential = 4,
    GeneratorGumbel = 5,
    GeneratorTriangle = 6,
    GeneratorLoguniform = 7
};

/* What monteCarlo and latinHypercube return. Every code but GeneratorOk means no value was written
 * and Count was set to 0 (except GeneratorNullArgument with no request, where there is no Count to
 * set). A request is checked in this order and the first failing check gives the code. */
enum GeneratorStatus {
    GeneratorOk = 0,
    GeneratorNullArgument = 1,        /* request or values is a null pointer */
    GeneratorBadCount = 2,            /* Count <= 0 */
    GeneratorUnknownDistribution = 3, /* Distribution outside 1..7 */
    GeneratorNonFiniteParameter = 4,  /* Mean, StdDev, Variance, Minimum or Maximum nan/inf */
    GeneratorInvertedBounds = 5,      /* Minimum > Maximum */
    GeneratorNegativeVariance = 6,    /* Variance < 0 or StdDev < 0 */
    GeneratorNonPositiveSpread = 7,   /* zero spread for normal, lognormal or gumbel */
    GeneratorNonPositiveMean = 8,     /* Mean <= 0 for lognormal or exponential */
    GeneratorNonPositiveBound = 9,    /* Minimum <= 0 for loguniform */
    GeneratorBadSeed = 10,            /* TORVAL_SEED is set but not a 64-bit decimal number */
    GeneratorUnexpectedFailure = 11   /* anything else, e.g. no system entropy source */
};

#if defined(__cplusplus)
extern "C" {
#endif

/* Writes request->Count values of the requested distribution, truncated to
 * [Minimum, Maximum], into values[0 .. Count - 1] and never beyond. */
STOGEN_API int16_t STOGEN_CALL monteCarlo(GeneratorRequest* request, float* values);

/* Latin hypercube sampling of the same request, checked and answered exactly as monteCarlo:
 * the truncated distribution's probability window is cut into Count strata of equal
 * probability, one value is drawn inside each stratum, and the values are written in a random
 * order. Shares monteCarlo's seeded engine. */
STOGEN_API int16_t STOGEN_CALL latinHypercube(GeneratorRequest* request, float* values);

#if defined(__cplusplus)
}
#endif

#endif
