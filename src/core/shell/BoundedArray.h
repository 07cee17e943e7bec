#pragma once
// A dense array of one to four dimensions whose indexes run over bounds chosen per dimension,
// the way the program's tables have always been addressed: concentration grids 1..N, Monte
// Carlo series 1..count-1 with an unused element 0, and so on. Every access is bounds-checked
// and a bad index is the subscript-out-of-range failure (9) that callers rely on, for example
// the evaluation loop that resumes after a reference to a missing Monte Carlo iteration.
// A size that cannot be held is the out-of-memory failure (7), never a crash: readers size
// these arrays from counts found in files.
//
// Dimensions are numbered from 1 in lower() and upper(), as the indexes of the tables are
// usually written. Elements are stored with the last index varying fastest.

#include "shell/RunTimeError.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <span>
#include <stdexcept>
#include <vector>

namespace torval {

namespace detail {
[[noreturn]] inline void throwSubscriptOutOfRange() {
    throw RunTimeError(ErrorCode::SubscriptOutOfRange);
}
} // namespace detail

template <typename T, std::size_t Rank>
class BoundedArray {
    static_assert(Rank >= 1 && Rank <= 4, "a BoundedArray has one to four dimensions");

public:
    using Index = std::int64_t;

    // The inclusive index range of one dimension.
    struct Bounds {
        Index lower;
        Index upper;

        bool operator==(const Bounds&) const = default;
    };

    // Resizes to the given bounds and clears every element to T{}; the previous contents are
    // discarded. An upper bound below its lower bound raises 9 and a size that cannot be held
    // raises 7; either way the array keeps what it held before.
    void redim(Bounds first) requires(Rank == 1) { redimTo({first}); }
    void redim(Bounds first, Bounds second) requires(Rank == 2) { redimTo({first, second}); }
    void redim(Bounds first, Bounds second, Bounds third) requires(Rank == 3) {
        redimTo({first, second, third});
    }
    void redim(Bounds first, Bounds second, Bounds third, Bounds fourth) requires(Rank == 4) {
        redimTo({first, second, third, fourth});
    }

    // Back to the unallocated state, in which every access raises 9.
    void erase() { *this = BoundedArray(); }

    template <std::integral... I>
    requires(sizeof...(I) == Rank) T& at(I... indexes) {
        return elements_[offsetOf({static_cast<Index>(indexes)...})];
    }

    template <std::integral... I>
    requires(sizeof...(I) == Rank) const T& at(I... indexes) const {
        return elements_[offsetOf({static_cast<Index>(indexes)...})];
    }

    bool isAllocated() const noexcept { return !elements_.empty(); }

    // Bounds of dimension 1..Rank; raise 9 for an unallocated array or another dimension.
    Index lower(std::size_t dimension = 1) const { return bounds(dimension).lower; }
    Index upper(std::size_t dimension = 1) const { return bounds(dimension).upper; }

    // All elements in storage order, for whole-array work such as sums and copies.
    std::span<T> elements() noexcept { return elements_; }
    std::span<const T> elements() const noexcept { return elements_; }

    bool operator==(const BoundedArray&) const = default;

private:
    std::vector<T> elements_;
    std::array<Bounds, Rank> bounds_{};
    std::array<std::uint64_t, Rank> extents_{}; // all zero while unallocated
    std::array<std::size_t, Rank> strides_{};

    const Bounds& bounds(std::size_t dimension) const {
        if (!isAllocated() || dimension < 1 || dimension > Rank) {
            detail::throwSubscriptOutOfRange();
        }
        return bounds_[dimension - 1];
    }

    // Unsigned distances make an index below its lower bound wrap to a huge value, so one
    // comparison per dimension checks both ends.
    std::size_t offsetOf(const std::array<Index, Rank>& indexes) const {
        std::size_t offset = 0;
        for (std::size_t d = 0; d < Rank; ++d) {
            const std::uint64_t distance = static_cast<std::uint64_t>(indexes[d]) -
                                           static_cast<std::uint64_t>(bounds_[d].lower);
            if (distance >= extents_[d]) {
                detail::throwSubscriptOutOfRange();
            }
            offset += static_cast<std::size_t>(distance) * strides_[d];
        }
        return offset;
    }

    static std::uint64_t extentOf(const Bounds& dimension) {
        if (dimension.upper < dimension.lower) {
            detail::throwSubscriptOutOfRange();
        }
        const std::uint64_t extent = static_cast<std::uint64_t>(dimension.upper) -
                                     static_cast<std::uint64_t>(dimension.lower) + 1;
        if (extent == 0) { // the full range of Index: more elements than can be counted
            throw RunTimeError(ErrorCode::OutOfMemory);
        }
        return extent;
    }

    static std::size_t countOf(const std::array<std::uint64_t, Rank>& extents,
                               std::size_t maxCount) {
        std::uint64_t count = 1;
        for (const std::uint64_t extent : extents) {
            if (extent > maxCount / count) {
                throw RunTimeError(ErrorCode::OutOfMemory);
            }
            count *= extent;
        }
        return static_cast<std::size_t>(count);
    }

    void redimTo(const std::array<Bounds, Rank>& dimensions) {
        std::array<std::uint64_t, Rank> extents{};
        for (std::size_t d = 0; d < Rank; ++d) {
            extents[d] = extentOf(dimensions[d]);
        }
        std::vector<T> fresh;
        const std::size_t count = countOf(extents, fresh.max_size());
        try {
            fresh.resize(count);
        } catch (const std::bad_alloc&) {
            throw RunTimeError(ErrorCode::OutOfMemory);
        } catch (const std::length_error&) {
            throw RunTimeError(ErrorCode::OutOfMemory);
        }
        elements_ = std::move(fresh);
        bounds_ = dimensions;
        extents_ = extents;
        std::size_t stride = 1;
        for (std::size_t d = Rank; d-- > 0;) {
            strides_[d] = stride;
            stride *= static_cast<std::size_t>(extents[d]);
        }
    }
};

} // namespace torval
