#include "montecarlo/AscendingOrder.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace torval {

namespace {

constexpr int DigitBits = 8; // four passes of 256 counters, which stay in the cache
constexpr std::uint32_t DigitMask = (1U << DigitBits) - 1;
constexpr std::uint32_t SignBit = 0x80000000U;

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

// One stable counting pass on the digit at `shift`.
void sortByDigit(const std::vector<std::uint32_t>& from, std::vector<std::uint32_t>& to,
                 int shift) {
    std::array<std::size_t, DigitMask + 1> start{};
    for (const std::uint32_t key : from) {
        ++start[(key >> shift) & DigitMask];
    }
    std::size_t position = 0;
    for (std::size_t& slot : start) {
        const std::size_t count = slot;
        slot = position;
        position += count;
    }
    for (const std::uint32_t key : from) {
        to[start[(key >> shift) & DigitMask]++] = key;
    }
}

} // namespace

void sortAscending(std::vector<float>& values) {
    std::vector<std::uint32_t> keys(values.size());
    std::vector<std::uint32_t> scratch(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        keys[i] = keyOf(values[i]);
    }
    for (int shift = 0; shift < 32; shift += DigitBits) {
        sortByDigit(keys, scratch, shift);
        keys.swap(scratch);
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = valueOf(keys[i]);
    }
}

} // namespace torval
