#include "datafiles/GroundwaterSingleSpeciesBodies.h"

#include "datafiles/GroundwaterBlocks.h"
#include "datafiles/GroundwaterGrids.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

namespace torval {

namespace {

using namespace groundwater;

void readGrid(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout, double factor) {
    data.DataType = layout;
    const GridShape shape = readGridShape(reader, layout);
    reader.requireRoomFor(valuesPerGrid(layout, shape));
    sizeAxes(data, shape);
    sizeGrid(data.ConcentrationGrid, layout, shape);
    readGridHeading(reader, data, layout);
    readGridValues(reader, data, layout, data.ConcentrationGrid, factor);
}

// The result of every body but the time-varying one: values relative to the source
// concentration, a plain-number result included.
void readRelativeResultPart(FreeFormatReader& reader, ModelDataSet& data, std::int16_t layout) {
    const double factor = data.InitialConcentration;
    readResultPart(
        reader, data, [&] { readMonteCarloBlock(reader, data, factor); },
        [&] { readGrid(reader, data, layout, factor); });
    if (isNumeric(data.ModelResult)) {
        data.ModelResult = generalText(scaled(toDouble(data.ModelResult), factor));
    }
    reader.skipLines(2);
}

// A time-varying file gives absolute concentrations. A point source spreads in X and Y; any
// other source is treated along X only, its Y values overwriting one another.
void readTimeVaryingGrid(FreeFormatReader& reader, ModelDataSet& data) {
    const bool pointSource = contains(lowerCase(data.ContaminantName), "point");
    const std::int16_t layout = pointSource ? XYTLayout : XTLayout;
    data.DataType = layout;
    if (!pointSource) {
        data.YRange.clear();
        data.MCCoordY.clear();
    }
    const GridShape shape = readGridShape(reader, XYTLayout);
    reader.requireRoomFor(valueCount({shape.t, shape.x, shape.y}));
    sizeAxes(data, shape);
    sizeGrid(data.ConcentrationGrid, layout, shape);
    readSeries(reader, data.TValues, data.NumT);
    readSeries(reader, data.XValues, data.NumX);
    readSeries(reader, data.YValues, data.NumY);
    for (std::int16_t t = 1; t <= data.NumT; ++t) {
        for (std::int16_t x = 1; x <= data.NumX; ++x) {
            for (std::int16_t y = 1; y <= data.NumY; ++y) {
                const double value = reader.numberField();
                if (pointSource) {
                    data.ConcentrationGrid.at(x, y, t) = value;
                } else {
                    data.ConcentrationGrid.at(x, t) = value;
                }
            }
        }
    }
}

void readTimeVaryingResultPart(FreeFormatReader& reader, ModelDataSet& data) {
    readResultPart(
        reader, data, [&] { readMonteCarloBlock(reader, data, 1.0); },
        [&] { readTimeVaryingGrid(reader, data); });
    reader.skipLines(2);
}

// Time-varying files have a body of their own: no parameter or source part is read.
void readTimeVaryingBody(ModelDataSet& data, FreeFormatReader& reader) {
    constexpr Axis Axes[] = {Axis::X, Axis::Y, Axis::T};
    readRangesAndCoordinates(reader, data, Axes, 0);
    reader.skipLines(14);
    readTimeVaryingResultPart(reader, data);
}

} // namespace

void ReadSingleSpeciesBody(ModelDataSet& data, FreeFormatReader& reader) {
    if (data.SubModelName == "Time Varying") {
        readTimeVaryingBody(data, reader);
        return;
    }
    const BodyLayout* body = bodyLayoutOf(data.SubModelName);
    if (body == nullptr) {
        return;
    }
    readBodyHead(reader, data, *body, SpeciesCount::Single);
    readSourceBlock(reader, data, body->source);
    reader.skipLines(3);
    readRelativeResultPart(reader, data, body->resultLayout);
}

} // namespace torval
