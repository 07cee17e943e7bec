#include "montecarlo/Statistics.h"

#include "montecarlo/AscendingOrder.h"
#include "shell/CheckedArithmetic.h"
#include "shell/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace torval {

namespace {

// Every stored intermediate result is a float; a step that leaves the float range or gives no
// number fails as the program's arithmetic does (6 overflow, 5 invalid operation).
float checkedSingle(float value) {
    return static_cast<float>(checkedResult(static_cast<double>(value)));
}

float checkedSingleDivide(float dividend, float divisor) {
    if (divisor == 0) {
        throw RunTimeError(ErrorCode::DivisionByZero);
    }
    return checkedSingle(dividend / divisor);
}

struct Accumulated {
    float sum = 0;
    float product = 1;
};

// The geometric mean is built as a product of n-th roots rather than the n-th root of a
// product, which would leave the float range for long series. The root of a negative value
// has no number: the invalid-operation failure.
Accumulated checkedAccumulate(std::span<const float> series, float oneOverN) {
    Accumulated result;
    for (const float value : series) {
        result.sum = checkedSingle(result.sum + value);
        result.product = checkedSingle(result.product * checkedSingle(std::pow(value, oneOverN)));
    }
    return result;
}

float checkedSumOfSquaredDeviations(const std::vector<float>& sorted, float mean) {
    float sum = 0;
    for (const float value : sorted) {
        const float deviation = checkedSingle(value - mean);
        sum = checkedSingle(sum + checkedSingle(std::pow(deviation, 2.0F)));
    }
    return sum;
}

// The loops below take the same steps as the checked ones without checking each of them. An
// infinity or a NaN, once reached, stays one through every further addition or multiplication
// (infinity times 0 and infinity minus infinity are NaN), so finite results prove that no step
// failed; otherwise the checked loop runs again to raise the failure of the first step that did.
Accumulated accumulate(std::span<const float> series, float oneOverN) {
    Accumulated result;
    for (const float value : series) {
        result.sum = result.sum + value;
        result.product = result.product * std::pow(value, oneOverN);
    }
    if (std::isfinite(result.sum) && std::isfinite(result.product)) {
        return result;
    }
    return checkedAccumulate(series, oneOverN);
}

float sumOfSquaredDeviations(const std::vector<float>& sorted, float mean) {
    float sum = 0;
    for (const float value : sorted) {
        const float deviation = value - mean;
        sum = sum + std::pow(deviation, 2.0F);
    }
    if (std::isfinite(sum)) {
        return sum;
    }
    return checkedSumOfSquaredDeviations(sorted, mean);
}

} // namespace

SeriesStatistics computeStatistics(std::span<const float> series) {
    const auto n = static_cast<float>(series.size());
    const float oneOverN = checkedSingleDivide(1.0F, n);
    const Accumulated accumulated = accumulate(series, oneOverN);

    // The whole series is put in order, not only the median selected: the variance adds the
    // squared deviations in ascending order, and float sums in another order round differently.
    std::vector<float> sorted(series.begin(), series.end());
    sortAscending(sorted);

    SeriesStatistics statistics;
    statistics.minimum = sorted.front();
    statistics.maximum = sorted.back();
    // Position n / 2 counted from 1; a single value has no element before it, and its
    // statistics fail on the variance below anyway.
    const std::size_t medianPosition = sorted.size() / 2;
    statistics.median = medianPosition == 0 ? 0.0F : sorted[medianPosition - 1];
    statistics.arithmeticMean = checkedSingleDivide(accumulated.sum, n);
    statistics.geometricMean = accumulated.product;
    statistics.variance =
        checkedSingleDivide(sumOfSquaredDeviations(sorted, statistics.arithmeticMean), n - 1.0F);
    statistics.standardDeviation = checkedSingle(std::pow(statistics.variance, 0.5F));
    return statistics;
}

// With n values in [0, b] and b^2 <= FLT_MAX / (4n): the running sum stays below n b and the
// squared deviations (each below b^2, as the mean lies in [0, b]) sum to below FLT_MAX / 4,
// with room for the roundings of n float steps; the n-th roots multiply to at most b; 1 / n
// and the division by n - 1 are defined.
bool statisticsCannotFail(std::span<const float> series) {
    if (series.size() < 2) {
        return false;
    }
    const double bound = std::sqrt(static_cast<double>(std::numeric_limits<float>::max()) /
                                   (4.0 * static_cast<double>(series.size())));
    bool inRange = true;
    for (const float value : series) {
        // NaN fails both comparisons, an infinity the second.
        inRange &= value >= 0.0F && static_cast<double>(value) <= bound;
    }
    return inRange;
}

std::string FormatStatistic(float value) {
    char text[32];
    const auto result =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::general, 7);
    return FormatNumber(std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

} // namespace torval
