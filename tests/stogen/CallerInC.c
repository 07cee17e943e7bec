/* A caller written in C: proves the request header compiles as C and that a request laid out
 * by a C compiler reaches the library intact. */
#include "stogen/GeneratorRequest.h"

int16_t generateFromC(int16_t distribution, float mean, float stdDev, float variance, float minimum,
                      float maximum, int32_t* count, float* values) {
    GeneratorRequest request;
    int16_t status;
    request.Count = *count;
    request.Mean = mean;
    request.StdDev = stdDev;
    request.Variance = variance;
    request.Minimum = minimum;
    request.Maximum = maximum;
    request.Distribution = distribution;
    request.padding = 0;
    status = monteCarlo(&request, values);
    *count = request.Count;
    return status;
}
