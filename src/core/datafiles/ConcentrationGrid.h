#pragma once
// The concentrations of one chemical on the grid of a transport-model file. A grid has one to
// four dimensions, as many as the layout of its data has axes (an air grid always keeps four,
// its time axis possibly of one point). Readers size each dimension from 0 and the risk data
// file reader from 1; consumers address cells 1..N only.
//
// Indexing checks the number of indexes against the grid's own rank as well as every bound: a
// consumer that expects another layout fails with the subscript-out-of-range code (9) instead
// of reading the wrong cells. Whole-grid work (scaling, sums, maxima, copies of grids of ten
// million cells) goes through forEachCell and copyCells, which check a whole selection of
// cells once and then run over raw storage.

#include "shell/BoundedArray.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <utility>
#include <vector>

namespace torval {

class ConcentrationGrid {
public:
    using Index = BoundedArray<double, 4>::Index;
    using Bounds = BoundedArray<double, 4>::Bounds;
    // The indexes to visit, one list per dimension of the grid, each in visiting order.
    using CellSelection = std::vector<std::vector<Index>>;

    // Resizes to as many dimensions as bounds are given and clears every cell; raises 9 for an
    // upper bound below its lower bound and 7 for a size that cannot be held, keeping the
    // previous grid either way.
    void redim(Bounds first);
    void redim(Bounds first, Bounds second);
    void redim(Bounds first, Bounds second, Bounds third);
    void redim(Bounds first, Bounds second, Bounds third, Bounds fourth);

    // Back to the unallocated state (rank 0), in which every access raises 9.
    void erase();

    // Number of dimensions; 0 while unallocated.
    std::size_t rank() const noexcept { return rank_; }
    bool isAllocated() const noexcept { return rank_ != 0; }

    // Bounds of dimension 1..rank(); raise 9 for any other dimension.
    Index lower(std::size_t dimension) const;
    Index upper(std::size_t dimension) const;

    // Raises 9 when the number of indexes differs from rank() or an index lies outside its
    // bounds.
    template <std::integral... I>
    requires(sizeof...(I) >= 1 && sizeof...(I) <= 4) double& at(I... indexes) {
        return cellAt(padded<sizeof...(I)>({static_cast<Index>(indexes)...}));
    }

    template <std::integral... I>
    requires(sizeof...(I) >= 1 && sizeof...(I) <= 4) const double& at(I... indexes) const {
        return cellAt(padded<sizeof...(I)>({static_cast<Index>(indexes)...}));
    }

    // The cells of one dimension with the other indexes fixed, for readers that fill a grid
    // cell after cell: cell k of the run (0-based) is `first[k * stride]`.
    struct CellRun {
        double* first = nullptr;
        std::size_t stride = 0;
        std::size_t length = 0;

        double& operator[](std::size_t k) const noexcept { return first[k * stride]; }
    };

    // The cells from `indexes` on along dimension 1..rank() for `length` indexes. The whole run
    // is checked once (9 for a wrong count of indexes, a dimension beyond the rank or a cell
    // outside the bounds); a length of 0 is an empty run.
    template <std::integral... I>
    requires(sizeof...(I) >= 1 && sizeof...(I) <= 4) CellRun
        runAlong(std::size_t dimension, std::size_t length, I... indexes) {
        return runFrom(padded<sizeof...(I)>({static_cast<Index>(indexes)...}), dimension, length);
    }

    // Calls visit(cell) for every combination of the selected indexes, the first dimension
    // running slowest, so that sums come out in the same order as nested index loops, and
    // returns the visitor (as std::for_each does): a visitor that keeps its running values as
    // members has them in registers for the whole walk. The selection is checked before the
    // first visit: a list count other than rank() or an index outside its bounds raises 9 and
    // nothing is visited. An empty list visits nothing.
    template <typename Visit>
    Visit forEachCell(const CellSelection& selection, Visit visit) {
        return walk(elementsData(), offsetsOf(selection), std::move(visit));
    }

    template <typename Visit>
    Visit forEachCell(const CellSelection& selection, Visit visit) const {
        return walk(elementsData(), offsetsOf(selection), std::move(visit));
    }

    // Copies the selected cells of source into the cells of the same indexes here. The
    // selection is checked against both grids first (9).
    void copyCells(const ConcentrationGrid& source, const CellSelection& selection);

    // The index list 1..count; empty when count is below 1.
    static std::vector<Index> indexesUpTo(Index count);

    bool operator==(const ConcentrationGrid&) const = default;

private:
    // Distances into storage of the selected indexes, one list per stored dimension; unused
    // trailing dimensions have the single distance 0.
    using CellOffsets = std::array<std::vector<std::size_t>, 4>;

    std::size_t rank_ = 0;
    BoundedArray<double, 4> cells_; // unused trailing dimensions have the bounds 1..1

    template <std::size_t Count>
    std::array<Index, 4> padded(const std::array<Index, Count>& indexes) const {
        checkRank(Count);
        std::array<Index, 4> all{1, 1, 1, 1};
        for (std::size_t d = 0; d < Count; ++d) {
            all[d] = indexes[d];
        }
        return all;
    }

    void checkRank(std::size_t count) const;
    CellRun runFrom(std::array<Index, 4> indexes, std::size_t dimension, std::size_t length);
    double& cellAt(const std::array<Index, 4>& indexes);
    const double& cellAt(const std::array<Index, 4>& indexes) const;
    CellOffsets offsetsOf(const CellSelection& selection) const;
    double* elementsData() noexcept { return cells_.elements().data(); }
    const double* elementsData() const noexcept { return cells_.elements().data(); }

    // The last dimension's cells usually follow each other in storage (a whole axis, or an
    // interval over monotonic coordinates); they are then walked by pointer, which keeps the
    // innermost loop as tight as a loop over a plain array.
    template <typename Cell, typename Visit>
    static Visit walk(Cell* base, const CellOffsets& offsets, Visit visit) {
        const std::vector<std::size_t>& last = offsets[3];
        if (last.empty()) {
            return visit;
        }
        const bool contiguous = isRun(last);
        const std::size_t first = last.front();
        const std::size_t length = last.size();
        for (const std::size_t a : offsets[0]) {
            for (const std::size_t b : offsets[1]) {
                for (const std::size_t c : offsets[2]) {
                    Cell* row = base + a + b + c;
                    if (contiguous) {
                        walkRun(row + first, length, visit);
                    } else {
                        for (const std::size_t d : last) {
                            visit(row[d]);
                        }
                    }
                }
            }
        }
        return visit;
    }

    static bool isRun(const std::vector<std::size_t>& offsets) noexcept {
        for (std::size_t k = 1; k < offsets.size(); ++k) {
            if (offsets[k] != offsets[0] + k) {
                return false;
            }
        }
        return true;
    }

    template <typename Cell, typename Visit>
    static void walkRun(Cell* cell, std::size_t length, Visit& visit) {
        for (Cell* const end = cell + length; cell != end; ++cell) {
            visit(*cell);
        }
    }
};

} // namespace torval
