#pragma once
// The blocks of numbers of a risk data file's model data section: the Monte Carlo value lines
// and the one- to four-dimensional grid blocks. The model data section and its air chemical
// and species blocks write and read every grid through here, each naming the axes of its grid.
//
// The grid lines carry the axis coordinates as well as the cells, so reading a block fills
// the axes it names (sized 1..count from the counts already read) besides the grid (each
// dimension 1..count). A count below 1 leaves its axis, and then the grid, unallocated.
//
// The four-dimensional block is always the X, Y, Z, T block, written time by time.

#include "datafiles/ConcentrationGrid.h"
#include "datafiles/DataLayout.h"
#include "datafiles/FreeFormatReader.h"
#include "shell/BoundedArray.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace torval {

// One axis of a grid: its coordinates and its point count.
template <typename Values>
struct BasicGridAxis {
    Values* values;
    std::int16_t count;
};
using GridAxis = BasicGridAxis<const BoundedArray<double, 1>>;
using GridAxisSlot = BasicGridAxis<BoundedArray<double, 1>>;

inline constexpr std::array<Axis, 4> AllAxes{Axis::X, Axis::Y, Axis::Z, Axis::T};

// The named axes of a ModelDataSet or a ChemicalDataRecord (both name them alike); a const
// holder gives GridAxis, a mutable one GridAxisSlot.
template <typename Holder>
auto gridAxesOf(Holder& holder, std::span<const Axis> axes) {
    using Values = std::remove_reference_t<decltype((holder.XValues))>;
    std::vector<BasicGridAxis<Values>> result;
    for (const Axis axis : axes) {
        switch (axis) {
        case Axis::X:
            result.push_back({&holder.XValues, holder.NumX});
            break;
        case Axis::Y:
            result.push_back({&holder.YValues, holder.NumY});
            break;
        case Axis::Z:
            result.push_back({&holder.ZValues, holder.NumZ});
            break;
        case Axis::T:
            result.push_back({&holder.TValues, holder.NumT});
            break;
        }
    }
    return result;
}

// Values 1..count-1, one value line each.
void WriteValueLines(std::string& out, const BoundedArray<double, 1>& values, std::int16_t count);
// Sizes `values` 1..count and reads values 1..count-1.
void ReadValueLines(FreeFormatReader& in, BoundedArray<double, 1>& values, std::int16_t count);

// The block of a grid over one to four axes; no axis writes and reads nothing.
void WriteGridBlock(std::string& out, std::span<const GridAxis> axes,
                    const ConcentrationGrid& grid);
void ReadGridBlock(FreeFormatReader& in, std::span<const GridAxisSlot> axes,
                   ConcentrationGrid& grid);

} // namespace torval
