#include "montecarlo/AscendingOrder.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace torval {

namespace {

constexpr int DigitBits = 8; // four passes of 256 counters, which stay in the cache
constexpr int DigitCount = 32 / DigitBits;
constexpr std::uint32_t DigitMask = (1U << DigitBits) - 1;
constexpr std::uint32_t SignBit = 0x80000000U;

using Histogram = std::array<std::size_t, DigitMask + 1>;

// Unsigned keys in the order of the values: a positive float's bits already order by
// magnitude, so setting the sign bit puts them above every negative, whose bits order in
// reverse and are therefore inverted.
std::uint32_t keyOf(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return (bits & SignBit) != 0 ? ~bits : bits | SignBit;
}

float valueOf(std::uint32_t key) {
    return std::bit_cast<float>((key & SignBit) != 0 ? key & ~SignBit : ~key);
}

std::uint32_t digitOf(std::uint32_t key, int digit) {
    return (key >> (digit * DigitBits)) & DigitMask;
}

// One stable counting pass on one digit, its histogram counted beforehand.
void sortByDigit(const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to,
                 Histogram& start, int digit) {
    std::size_t position = 0;
    for (std::size_t& slot : start) {
        const std::size_t count = slot;
        slot = position;
        position += count;
    }
    for (const std::uint32_t key : from) {
        to[start[digitOf(key, digit)]++] = key;
    }
}

} // namespace

void sortAscending(std::vector<float>& values) {
    // The keys and the histograms of all four digits in one pass over the values.
    std::vector<std::uint32_t> keys(values.size());
    std::array<Histogram, DigitCount> histograms{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::uint32_t key = keyOf(values[i]);
        keys[i] = key;
        for (int digit = 0; digit < DigitCount; ++digit) {
            ++histograms[static_cast<std::size_t>(digit)][digitOf(key, digit)];
        }
    }
    // A digit that every key shares leaves the order as it is: a series drawn between bounds
    // often shares its sign and most of its exponent, so its top digit needs no pass.
    std::vector<std::uint32_t> scratch(values.size());
    for (int digit = 0; digit < DigitCount; ++digit) {
        Histogram& histogram = histograms[static_cast<std::size_t>(digit)];
        if (!keys.empty() && histogram[digitOf(keys.front(), digit)] == keys.size()) {
            continue;
        }
        sortByDigit(keys, scratch, histogram, digit);
        keys.swap(scratch);
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = valueOf(keys[i]);
    }
}

} // namespace torval
