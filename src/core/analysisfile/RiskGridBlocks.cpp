#include "analysisfile/RiskGridBlocks.h"

#include "analysisfile/RiskFileLines.h"
#include "analysisfile/RiskSectionReading.h"
#include "shell/NumberTextAppend.h"
#include "shell/RunTimeError.h"

namespace torval {

namespace {

using Index = BoundedArray<double, 1>::Index;

void endLine(std::string& out) {
    appendLine(out, "");
}

// The three-dimensional lines glue their cells: one blank before a non-negative value, the
// minus sign otherwise, nothing after.
void appendSignedText(std::string& out, double value) {
    if (!(value < 0)) {
        out += ' ';
    }
    appendGeneralText(out, value);
}

void appendSeparatedCoordinates(std::string& out, const GridAxis& axis) {
    for (Index k = 1; k <= axis.count; ++k) {
        out += ", ";
        appendGeneralText(out, axis.values->at(k));
    }
}

void writeOneDimensional(std::string& out, const GridAxis& p, const ConcentrationGrid& grid) {
    for (Index i = 1; i <= p.count; ++i) {
        appendGeneralText(out, p.values->at(i));
        out += ", ";
        appendGeneralText(out, grid.at(i));
        endLine(out);
    }
}

void writeTwoDimensional(std::string& out, const GridAxis& p, const GridAxis& q,
                         const ConcentrationGrid& grid) {
    appendSeparatedCoordinates(out, q);
    endLine(out);
    for (Index i = 1; i <= p.count; ++i) {
        appendGeneralText(out, p.values->at(i));
        for (Index j = 1; j <= q.count; ++j) {
            out += ", ";
            appendPrintText(out, grid.at(i, j));
        }
        endLine(out);
    }
}

void writeThreeDimensional(std::string& out, std::span<const GridAxis> axes,
                           const ConcentrationGrid& grid) {
    const GridAxis& p = axes[0];
    const GridAxis& q = axes[1];
    const GridAxis& r = axes[2];
    appendSeparatedCoordinates(out, r);
    endLine(out);
    for (Index i = 1; i <= p.count; ++i) {
        for (Index j = 1; j <= q.count; ++j) {
            appendGeneralText(out, p.values->at(i));
            out += ", ";
            appendGeneralText(out, q.values->at(j));
            out += ", ";
            for (Index k = 1; k <= r.count; ++k) {
                appendSignedText(out, grid.at(i, j, k));
            }
            endLine(out);
        }
    }
}

void writeFourDimensional(std::string& out, std::span<const GridAxis> axes,
                          const ConcentrationGrid& grid) {
    const GridAxis& x = axes[0];
    const GridAxis& y = axes[1];
    const GridAxis& z = axes[2];
    const GridAxis& time = axes[3];
    for (Index t = 1; t <= time.count; ++t) {
        out += "Time, ";
        appendPrintText(out, time.values->at(t));
        endLine(out);
        out += "ZCoordinate ";
        for (Index k = 1; k <= z.count; ++k) {
            out += ", ";
            appendPrintText(out, z.values->at(k));
        }
        endLine(out);
        for (Index i = 1; i <= x.count; ++i) {
            for (Index j = 1; j <= y.count; ++j) {
                appendGeneralText(out, x.values->at(i));
                out += ", ";
                appendGeneralText(out, y.values->at(j));
                for (Index k = 1; k <= z.count; ++k) {
                    out += ", ";
                    appendGeneralText(out, grid.at(i, j, k, t));
                }
                endLine(out);
            }
        }
        endLine(out);
        endLine(out);
    }
}

std::size_t pointsOf(const GridAxisSlot& axis) {
    return axis.count < 1 ? 0 : static_cast<std::size_t>(axis.count);
}

void sizeGrid(const FreeFormatReader& in, std::span<const GridAxisSlot> axes,
              ConcentrationGrid& grid) {
    std::int64_t cells = 1;
    for (const GridAxisSlot& axis : axes) {
        if (axis.count < 1) {
            grid.erase();
            return;
        }
        cells *= axis.count;
    }
    in.requireRoomFor(cells);
    const auto upTo = [&](std::size_t d) { return ConcentrationGrid::Bounds{1, axes[d].count}; };
    switch (axes.size()) {
    case 1:
        grid.redim(upTo(0));
        break;
    case 2:
        grid.redim(upTo(0), upTo(1));
        break;
    case 3:
        grid.redim(upTo(0), upTo(1), upTo(2));
        break;
    default:
        grid.redim(upTo(0), upTo(1), upTo(2), upTo(3));
        break;
    }
}

// The numbers of a line from `from` on into a run of the grid (the line holds exactly them).
void copyRun(const std::vector<double>& numbers, std::size_t from,
             const ConcentrationGrid::CellRun& run) {
    for (std::size_t k = 0; k < run.length; ++k) {
        run[k] = numbers[from + k];
    }
}

void readOneDimensional(FreeFormatReader& in, const GridAxisSlot& p, ConcentrationGrid& grid) {
    std::vector<double> numbers;
    for (Index i = 1; i <= p.count; ++i) {
        readNumberLine(in, 2, numbers);
        p.values->at(i) = numbers[0];
        grid.at(i) = numbers[1];
    }
}

void readCoordinates(FreeFormatReader& in, const GridAxisSlot& axis, std::vector<double>& numbers,
                     std::string_view word = {}) {
    readNumberLine(in, pointsOf(axis), numbers, word);
    for (Index k = 1; k <= axis.count; ++k) {
        axis.values->at(k) = numbers[static_cast<std::size_t>(k - 1)];
    }
}

void readTwoDimensional(FreeFormatReader& in, const GridAxisSlot& p, const GridAxisSlot& q,
                        ConcentrationGrid& grid) {
    std::vector<double> numbers;
    if (q.count >= 1) { // an empty heading line is a blank line, skipped as such
        readCoordinates(in, q, numbers);
    }
    for (Index i = 1; i <= p.count; ++i) {
        readNumberLine(in, 1 + pointsOf(q), numbers);
        p.values->at(i) = numbers[0];
        copyRun(numbers, 1, grid.runAlong(2, pointsOf(q), i, 1));
    }
}

void readThreeDimensional(FreeFormatReader& in, std::span<const GridAxisSlot> axes,
                          ConcentrationGrid& grid) {
    const GridAxisSlot& p = axes[0];
    const GridAxisSlot& q = axes[1];
    const GridAxisSlot& r = axes[2];
    std::vector<double> numbers;
    if (r.count >= 1) {
        readCoordinates(in, r, numbers);
    }
    for (Index i = 1; i <= p.count; ++i) {
        for (Index j = 1; j <= q.count; ++j) {
            readNumberLine(in, 2 + pointsOf(r), numbers);
            p.values->at(i) = numbers[0];
            q.values->at(j) = numbers[1];
            copyRun(numbers, 2, grid.runAlong(3, pointsOf(r), i, j, 1));
        }
    }
}

void readFourDimensional(FreeFormatReader& in, std::span<const GridAxisSlot> axes,
                         ConcentrationGrid& grid) {
    const GridAxisSlot& x = axes[0];
    const GridAxisSlot& y = axes[1];
    const GridAxisSlot& z = axes[2];
    const GridAxisSlot& time = axes[3];
    std::vector<double> numbers;
    for (Index t = 1; t <= time.count; ++t) {
        readNumberLine(in, 1, numbers, "Time");
        time.values->at(t) = numbers[0];
        readCoordinates(in, z, numbers, "ZCoordinate");
        for (Index i = 1; i <= x.count; ++i) {
            for (Index j = 1; j <= y.count; ++j) {
                readNumberLine(in, 2 + pointsOf(z), numbers);
                x.values->at(i) = numbers[0];
                y.values->at(j) = numbers[1];
                copyRun(numbers, 2, grid.runAlong(3, pointsOf(z), i, j, 1, t));
            }
        }
    }
}

} // namespace

void WriteValueLines(std::string& out, const BoundedArray<double, 1>& values, std::int16_t count) {
    for (Index k = 1; k < count; ++k) {
        appendPrintText(out, values.at(k));
        endLine(out);
    }
}

void ReadValueLines(FreeFormatReader& in, BoundedArray<double, 1>& values, std::int16_t count) {
    sizeFromOne(in, values, count);
    std::vector<double> numbers;
    for (Index k = 1; k < count; ++k) {
        readNumberLine(in, 1, numbers);
        values.at(k) = numbers[0];
    }
}

void WriteGridBlock(std::string& out, std::span<const GridAxis> axes,
                    const ConcentrationGrid& grid) {
    switch (axes.size()) {
    case 0:
        return;
    case 1:
        writeOneDimensional(out, axes[0], grid);
        return;
    case 2:
        writeTwoDimensional(out, axes[0], axes[1], grid);
        return;
    case 3:
        writeThreeDimensional(out, axes, grid);
        return;
    default:
        writeFourDimensional(out, axes, grid);
        return;
    }
}

void ReadGridBlock(FreeFormatReader& in, std::span<const GridAxisSlot> axes,
                   ConcentrationGrid& grid) {
    if (axes.empty()) {
        return;
    }
    for (const GridAxisSlot& axis : axes) {
        sizeFromOne(in, *axis.values, axis.count);
    }
    sizeGrid(in, axes, grid);
    switch (axes.size()) {
    case 1:
        readOneDimensional(in, axes[0], grid);
        return;
    case 2:
        readTwoDimensional(in, axes[0], axes[1], grid);
        return;
    case 3:
        readThreeDimensional(in, axes, grid);
        return;
    default:
        readFourDimensional(in, axes, grid);
        return;
    }
}

} // namespace torval
