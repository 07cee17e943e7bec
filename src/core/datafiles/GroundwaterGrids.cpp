#include "datafiles/GroundwaterGrids.h"

#include "shell/RunTimeError.h"

namespace torval::groundwater {

namespace {

using Bounds = ConcentrationGrid::Bounds;

Bounds upTo(std::int16_t count) {
    return {0, count};
}

using Count = std::size_t;

Count countOf(std::int16_t points) {
    return points < 1 ? 0 : static_cast<Count>(points);
}

// The concentrations of one run of the grid, as many as it holds.
void readRun(FreeFormatReader& reader, const ConcentrationGrid::CellRun& run, double factor) {
    for (Count k = 0; k < run.length; ++k) {
        run[k] = scaled(reader.numberField(), factor);
    }
}

void readXTValues(FreeFormatReader& reader, ModelDataSet& data, ConcentrationGrid& grid,
                  double factor) {
    const Count times = countOf(data.NumT);
    for (std::int16_t x = 1; x <= data.NumX; ++x) {
        data.XValues.at(x) = reader.numberField();
        readRun(reader, grid.runAlong(2, times, x, 1), factor);
    }
}

void readXYTValues(FreeFormatReader& reader, ModelDataSet& data, ConcentrationGrid& grid,
                   double factor) {
    const Count times = countOf(data.NumT);
    for (std::int16_t x = 1; x <= data.NumX; ++x) {
        for (std::int16_t y = 1; y <= data.NumY; ++y) {
            data.XValues.at(x) = reader.numberField();
            data.YValues.at(y) = reader.numberField();
            readRun(reader, grid.runAlong(3, times, x, y, 1), factor);
        }
    }
}

void readTimeBlock(FreeFormatReader& reader, ModelDataSet& data, std::int16_t t,
                   ConcentrationGrid& grid, double factor) {
    reader.textField();
    data.TValues.at(t) = reader.numberField();
    reader.textField();
    readSeries(reader, data.ZValues, data.NumZ);
    const Count depths = countOf(data.NumZ);
    for (std::int16_t x = 1; x <= data.NumX; ++x) {
        for (std::int16_t y = 1; y <= data.NumY; ++y) {
            data.XValues.at(x) = reader.numberField();
            data.YValues.at(y) = reader.numberField();
            readRun(reader, grid.runAlong(3, depths, x, y, 1, t), factor);
        }
    }
}

void readXYZTValues(FreeFormatReader& reader, ModelDataSet& data, ConcentrationGrid& grid,
                    double factor) {
    for (std::int16_t t = 1; t <= data.NumT; ++t) {
        readTimeBlock(reader, data, t, grid, factor);
    }
}

[[noreturn]] void noSuchLayout() {
    throw RunTimeError(ErrorCode::SubscriptOutOfRange, "no groundwater grid layout");
}

GridShape readXTShape(FreeFormatReader& reader) {
    GridShape shape;
    shape.x = readPointCountField(reader);
    shape.t = readPointCountField(reader);
    return shape;
}

GridShape readXYTShape(FreeFormatReader& reader) {
    GridShape shape;
    shape.x = readPointCountLine(reader);
    shape.y = readPointCountLine(reader);
    shape.t = readPointCountLine(reader);
    reader.skipLines(1);
    return shape;
}

GridShape readXYZTShape(FreeFormatReader& reader) {
    GridShape shape;
    shape.x = readPointCountLine(reader);
    shape.y = readPointCountLine(reader);
    shape.z = readPointCountLine(reader);
    shape.t = readPointCountLine(reader);
    reader.skipLines(1);
    return shape;
}

} // namespace

GridShape readGridShape(FreeFormatReader& reader, std::int16_t layout) {
    switch (layout) {
    case XTLayout:
        return readXTShape(reader);
    case XYTLayout:
        return readXYTShape(reader);
    case XYZTLayout:
        return readXYZTShape(reader);
    default:
        noSuchLayout();
    }
}

std::int64_t valuesPerGrid(std::int16_t layout, const GridShape& shape) {
    switch (layout) {
    case XTLayout:
        return valueCount({shape.x, shape.t + 1});
    case XYTLayout:
        return valueCount({shape.x, shape.y, shape.t + 2});
    case XYZTLayout:
        return valueCount({shape.t, shape.x, shape.y, shape.z + 2});
    default:
        noSuchLayout();
    }
}

void sizeGrid(ConcentrationGrid& grid, std::int16_t layout, const GridShape& shape) {
    switch (layout) {
    case XTLayout:
        grid.redim(upTo(shape.x), upTo(shape.t));
        break;
    case XYTLayout:
        grid.redim(upTo(shape.x), upTo(shape.y), upTo(shape.t));
        break;
    case XYZTLayout:
        grid.redim(upTo(shape.x), upTo(shape.y), upTo(shape.z), upTo(shape.t));
        break;
    default:
        noSuchLayout();
    }
}

void readGridHeading(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout) {
    if (layout == XYZTLayout) {
        return;
    }
    reader.textField();
    readSeries(reader, data.TValues, data.NumT);
}

void readGridValues(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout,
                    ConcentrationGrid& grid, double factor) {
    switch (layout) {
    case XTLayout:
        readXTValues(reader, data, grid, factor);
        break;
    case XYTLayout:
        readXYTValues(reader, data, grid, factor);
        break;
    case XYZTLayout:
        readXYZTValues(reader, data, grid, factor);
        break;
    default:
        noSuchLayout();
    }
}

} // namespace torval::groundwater
