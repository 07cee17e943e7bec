#include "datafiles/ConcentrationGrid.h"

#include "shell/RunTimeError.h"

namespace torval {

namespace {

constexpr ConcentrationGrid::Bounds UnusedDimension{1, 1};

} // namespace

void ConcentrationGrid::redim(Bounds first) {
    cells_.redim(first, UnusedDimension, UnusedDimension, UnusedDimension);
    rank_ = 1;
}

void ConcentrationGrid::redim(Bounds first, Bounds second) {
    cells_.redim(first, second, UnusedDimension, UnusedDimension);
    rank_ = 2;
}

void ConcentrationGrid::redim(Bounds first, Bounds second, Bounds third) {
    cells_.redim(first, second, third, UnusedDimension);
    rank_ = 3;
}

void ConcentrationGrid::redim(Bounds first, Bounds second, Bounds third, Bounds fourth) {
    cells_.redim(first, second, third, fourth);
    rank_ = 4;
}

void ConcentrationGrid::erase() {
    cells_.erase();
    rank_ = 0;
}

ConcentrationGrid::Index ConcentrationGrid::lower(std::size_t dimension) const {
    if (dimension > rank_) {
        detail::throwSubscriptOutOfRange();
    }
    return cells_.lower(dimension);
}

ConcentrationGrid::Index ConcentrationGrid::upper(std::size_t dimension) const {
    if (dimension > rank_) {
        detail::throwSubscriptOutOfRange();
    }
    return cells_.upper(dimension);
}

void ConcentrationGrid::copyCells(const ConcentrationGrid& source, const CellSelection& selection) {
    const CellOffsets from = source.offsetsOf(selection);
    const CellOffsets to = offsetsOf(selection);
    const double* sourceBase = source.elementsData();
    double* base = elementsData();
    for (std::size_t a = 0; a < from[0].size(); ++a) {
        for (std::size_t b = 0; b < from[1].size(); ++b) {
            for (std::size_t c = 0; c < from[2].size(); ++c) {
                const double* sourceRow = sourceBase + from[0][a] + from[1][b] + from[2][c];
                double* row = base + to[0][a] + to[1][b] + to[2][c];
                for (std::size_t d = 0; d < from[3].size(); ++d) {
                    row[to[3][d]] = sourceRow[from[3][d]];
                }
            }
        }
    }
}

std::vector<ConcentrationGrid::Index> ConcentrationGrid::indexesUpTo(Index count) {
    std::vector<Index> indexes;
    if (count < 1) {
        return indexes;
    }
    indexes.reserve(static_cast<std::size_t>(count));
    for (Index index = 1; index <= count; ++index) {
        indexes.push_back(index);
    }
    return indexes;
}

void ConcentrationGrid::checkRank(std::size_t count) const {
    if (rank_ == 0 || count != rank_) {
        detail::throwSubscriptOutOfRange();
    }
}

double& ConcentrationGrid::cellAt(const std::array<Index, 4>& indexes) {
    return cells_.at(indexes[0], indexes[1], indexes[2], indexes[3]);
}

const double& ConcentrationGrid::cellAt(const std::array<Index, 4>& indexes) const {
    return cells_.at(indexes[0], indexes[1], indexes[2], indexes[3]);
}

ConcentrationGrid::CellRun ConcentrationGrid::runFrom(std::array<Index, 4> indexes,
                                                      std::size_t dimension, std::size_t length) {
    if (dimension < 1 || dimension > rank_) {
        detail::throwSubscriptOutOfRange();
    }
    if (length == 0) {
        return {};
    }
    double* const first = &cellAt(indexes);
    std::size_t stride = 1;
    for (std::size_t d = 4; d > dimension; --d) {
        stride *= static_cast<std::size_t>(cells_.upper(d) - cells_.lower(d) + 1);
    }
    const Index& along = indexes[dimension - 1];
    if (length - 1 > static_cast<std::size_t>(cells_.upper(dimension) - along)) {
        detail::throwSubscriptOutOfRange();
    }
    return {first, stride, length};
}

// Storage keeps the last index fastest, so each dimension's stride is the product of the
// extents after it.
ConcentrationGrid::CellOffsets ConcentrationGrid::offsetsOf(const CellSelection& selection) const {
    checkRank(selection.size());
    std::array<std::size_t, 4> strides{};
    std::size_t stride = 1;
    for (std::size_t d = 4; d-- > 0;) {
        strides[d] = stride;
        stride *= static_cast<std::size_t>(cells_.upper(d + 1) - cells_.lower(d + 1) + 1);
    }
    CellOffsets offsets;
    for (std::size_t d = 0; d < 4; ++d) {
        if (d >= rank_) {
            offsets[d] = {0};
            continue;
        }
        const Index lowest = cells_.lower(d + 1);
        const Index highest = cells_.upper(d + 1);
        offsets[d].reserve(selection[d].size());
        for (const Index index : selection[d]) {
            if (index < lowest || index > highest) {
                detail::throwSubscriptOutOfRange();
            }
            offsets[d].push_back(static_cast<std::size_t>(index - lowest) * strides[d]);
        }
    }
    return offsets;
}

} // namespace torval
