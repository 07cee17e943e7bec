#include "datafiles/AxisFields.h"
#include "datafiles/SectionFields.h"
#include "datafiles/SurfaceWaterBodies.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <array>
#include <string>

namespace torval {

namespace {

constexpr std::string_view MonteCarloDataMarker = "[Begin Monte Carlo Data]";
constexpr std::string_view RegularOutputMarker = "[Begin Regular Output]";

void readMonteCarloOutput(FreeFormatReader& reader, ModelDataSet& data) {
    expectMarker(reader, "[Begin Monte Carlo Output]");
    data.DataType = 0;
    data.McIterationCount = countField(reader);
    requireMonteCarloCount(data.McIterationCount);
    readMonteCarloValues(reader, data.McIterationCount,
                         static_cast<std::int16_t>(data.McIterationCount - 1),
                         data.McIterationValues);
    expectMarker(reader, "[End Monte Carlo Output]");
}

// Sizes the grid from 0 on every axis of the layout, once the file is known to hold its cells.
void sizeGrid(FreeFormatReader& reader, const std::array<std::int16_t, 4>& counts, std::size_t rank,
              ConcentrationGrid& grid) {
    std::int64_t cells = 1;
    for (std::size_t d = 0; d < rank; ++d) {
        cells *= counts[d];
    }
    reader.requireRoomFor(cells);
    switch (rank) {
    case 1:
        grid.redim({0, counts[0]});
        break;
    case 2:
        grid.redim({0, counts[0]}, {0, counts[1]});
        break;
    case 3:
        grid.redim({0, counts[0]}, {0, counts[1]}, {0, counts[2]});
        break;
    default:
        grid.redim({0, counts[0]}, {0, counts[1]}, {0, counts[2]}, {0, counts[3]});
        break;
    }
}

// Cells in index order, the first index varying slowest.
void readCells(FreeFormatReader& reader, const std::array<std::int16_t, 4>& counts,
               std::size_t rank, ConcentrationGrid& grid) {
    const auto count = [&](std::size_t d) { return d < rank ? counts[d] : std::int16_t{1}; };
    for (std::int16_t a = 1; a <= count(0); ++a) {
        for (std::int16_t b = 1; b <= count(1); ++b) {
            for (std::int16_t c = 1; c <= count(2); ++c) {
                for (std::int16_t d = 1; d <= count(3); ++d) {
                    const double value = reader.numberField();
                    switch (rank) {
                    case 1:
                        grid.at(a) = value;
                        break;
                    case 2:
                        grid.at(a, b) = value;
                        break;
                    case 3:
                        grid.at(a, b, c) = value;
                        break;
                    default:
                        grid.at(a, b, c, d) = value;
                        break;
                    }
                }
            }
        }
    }
}

void readRegularOutput(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout) {
    const auto axes = LayoutAxes(layout);
    std::array<std::int16_t, 4> counts{1, 1, 1, 1};
    for (std::size_t d = 0; d < axes.size(); ++d) {
        counts[d] = pointCountOf(data, axes[d]) = countField(reader);
    }
    sizeGrid(reader, counts, axes.size(), data.ConcentrationGrid);
    readCells(reader, counts, axes.size(), data.ConcentrationGrid);
    data.DataType = layout;
    expectMarker(reader, "[End Regular Output]");
}

void readOutputAfterMarker(FreeFormatReader& reader, ModelDataSet& data, std::string_view marker,
                           std::int16_t regularLayout) {
    if (marker == MonteCarloDataMarker) {
        data.DataType = 1;
    } else if (marker == RegularOutputMarker) {
        readRegularOutput(reader, data, regularLayout);
    } else {
        throw RunTimeError(ErrorCode::InputPastEndOfFile,
                           "unexpected \"" + std::string(marker) + "\" after the result");
    }
}

} // namespace

void readResultPart(FreeFormatReader& reader, ModelDataSet& data, std::int16_t regularLayout) {
    if (contains(data.ModelResult, "Monte")) {
        readMonteCarloOutput(reader, data);
    } else if (regularLayout == SingleValueLayout) {
        data.DataType = SingleValueLayout;
    } else {
        readOutputAfterMarker(reader, data, reader.textField(), regularLayout);
    }
}

void readResult(FreeFormatReader& reader, ModelDataSet& data, std::int16_t regularLayout) {
    data.ModelResult = reader.textField();
    readResultPart(reader, data, regularLayout);
}

bool readSubType(std::span<const SurfaceSubType> subTypes, FreeFormatReader& reader,
                 ModelDataSet& data) {
    for (const SurfaceSubType& subType : subTypes) {
        if (data.SubTypeName == subType.name) {
            subType.read(reader, data);
            return true;
        }
    }
    return false;
}

void readResultPartOrSingleValue(FreeFormatReader& reader, ModelDataSet& data,
                                 std::int16_t regularLayout) {
    if (!contains(data.ModelResult, "Monte") && reader.onlyBlankLinesLeft()) {
        data.DataType = SingleValueLayout;
        return;
    }
    readResultPart(reader, data, regularLayout);
}

} // namespace torval
