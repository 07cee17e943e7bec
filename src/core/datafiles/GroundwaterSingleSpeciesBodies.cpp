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
    data.ModelResult = reader.textField();
    if (data.ModelResult == MonteCarloResult) {
        readMonteCarloBlock(reader, data, factor);
    } else {
        readGrid(reader, data, layout, factor);
    }
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
    data.ModelResult = reader.textField();
    if (data.ModelResult == MonteCarloResult) {
        readMonteCarloBlock(reader, data, 1.0);
    } else {
        readTimeVaryingGrid(reader, data);
    }
    reader.skipLines(2);
}

} // namespace

void ReadSingleSpeciesBody(ModelDataSet& data, FreeFormatReader& reader) {
    const std::string& model = data.SubModelName;
    if (model == "One Dimensional") {
        ReadOneDimensionalBody(data, reader);
    } else if (model == "Two Dimensional") {
        ReadTwoDimensionalBody(data, reader);
    } else if (model == "Three Dimensional") {
        ReadThreeDimensionalBody(data, reader);
    } else if (model == "Time Varying") {
        ReadTimeVaryingBody(data, reader);
    } else if (model == "Unsaturated One Dimensional") {
        ReadUnsaturatedOneDimensionalBody(data, reader);
    }
}

void ReadOneDimensionalBody(ModelDataSet& data, FreeFormatReader& reader) {
    readRangesAndCoordinates(reader, data, {Axis::X, Axis::T}, 0);
    skipParameterLinesWithRetardation(reader, 7);
    readSourceBlock(reader, data, SourceValue::LeadingNumber);
    reader.skipLines(3);
    readRelativeResultPart(reader, data, XTLayout);
}

void ReadTwoDimensionalBody(ModelDataSet& data, FreeFormatReader& reader) {
    readRangesAndCoordinates(reader, data, {Axis::X, Axis::Y, Axis::T}, 2);
    skipParameterLinesWithRecharge(reader, 8);
    reader.skipLines(2);
    skipParameterLinesWithRetardation(reader, 1);
    readSourceBlock(reader, data, SourceValue::WellFormed);
    reader.skipLines(3);
    readRelativeResultPart(reader, data, XYTLayout);
}

void ReadThreeDimensionalBody(ModelDataSet& data, FreeFormatReader& reader) {
    readRangesAndCoordinates(reader, data, {Axis::X, Axis::Y, Axis::Z, Axis::T}, 3);
    skipParameterLinesWithRecharge(reader, 9);
    reader.skipLines(2);
    skipParameterLinesWithRetardation(reader, 1);
    readSourceBlock(reader, data, SourceValue::WellFormed);
    reader.skipLines(3);
    readRelativeResultPart(reader, data, XYZTLayout);
}

void ReadTimeVaryingBody(ModelDataSet& data, FreeFormatReader& reader) {
    readRangesAndCoordinates(reader, data, {Axis::X, Axis::Y, Axis::T}, 0);
    reader.skipLines(14);
    readTimeVaryingResultPart(reader, data);
}

void ReadUnsaturatedOneDimensionalBody(ModelDataSet& data, FreeFormatReader& reader) {
    readRangesAndCoordinates(reader, data, {Axis::X, Axis::T}, 0);
    reader.skipLines(9);
    if (data.ContaminantName != "Dirichlet") {
        reader.skipLines(1);
    }
    reader.skipLines(1);
    readSourceBlock(reader, data, SourceValue::WellFormed);
    reader.skipLines(3);
    readRelativeResultPart(reader, data, XTLayout);
}

} // namespace torval
