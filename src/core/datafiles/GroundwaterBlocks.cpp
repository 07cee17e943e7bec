#include "datafiles/GroundwaterBlocks.h"

#include "datafiles/AxisFields.h"
#include "datafiles/GroundwaterGrids.h"
#include "shell/CheckedArithmetic.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <limits>
#include <string>

namespace torval::groundwater {

namespace {

std::string lastOfLines(FreeFormatReader& reader, int count) {
    std::string last;
    for (int i = 0; i < count; ++i) {
        last = reader.line();
    }
    return last;
}

void sizeAxisIfPresent(BoundedArray<double, 1>& axis, std::int16_t& num, std::int16_t count) {
    if (count > 0) {
        sizeSeries(axis, count);
        num = count;
    }
}

} // namespace

void skipParameterLinesWithRetardation(FreeFormatReader& reader, int count) {
    if (contains(lowerCase(lastOfLines(reader, count)), "retardation")) {
        reader.skipLines(1);
    }
}

void skipParameterLinesWithRecharge(FreeFormatReader& reader, int count) {
    if (contains(lastOfLines(reader, count), "Net Recharge")) {
        reader.skipLines(2);
    }
}

std::int16_t countOfText(std::string_view text) {
    return toInt16(leadingNumber(ValueAfter(text, ":")));
}

std::int16_t checkedCount(std::int16_t count, std::int16_t minimum) {
    if (count < minimum) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "count below " + std::to_string(minimum));
    }
    return count;
}

std::int16_t readPointCountLine(FreeFormatReader& reader) {
    return checkedCount(reader.countOfLine());
}

std::int16_t readPointCountField(FreeFormatReader& reader) {
    return checkedCount(countOfText(reader.textField()));
}

std::int64_t valueCount(std::initializer_list<std::int64_t> factors) {
    constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
    std::int64_t product = 1;
    for (const std::int64_t factor : factors) {
        if (factor <= 0) {
            return 0;
        }
        if (product > Largest / factor) {
            return Largest;
        }
        product *= factor;
    }
    return product;
}

void sizeSeries(BoundedArray<double, 1>& values, std::int16_t count) {
    values.redim({0, count});
}

void sizeAxes(ModelDataSet& data, const GridShape& shape) {
    sizeAxisIfPresent(data.XValues, data.NumX, shape.x);
    sizeAxisIfPresent(data.YValues, data.NumY, shape.y);
    sizeAxisIfPresent(data.ZValues, data.NumZ, shape.z);
    sizeAxisIfPresent(data.TValues, data.NumT, shape.t);
}

void readSeries(FreeFormatReader& reader, BoundedArray<double, 1>& values, std::int16_t count) {
    for (std::int16_t i = 1; i <= count; ++i) {
        values.at(i) = reader.numberField();
    }
}

void readSourceBlock(FreeFormatReader& reader, ModelDataSet& data, SourceValue conversion) {
    const std::int16_t sources = checkedCount(reader.countOfLine());
    reader.skipLines(1);
    for (std::int16_t source = 1; source <= sources; ++source) {
        reader.skipLines(1);
        if (source == 1) {
            const std::string value = reader.valueOfLine();
            data.InitialConcentration =
                conversion == SourceValue::LeadingNumber ? leadingNumber(value) : toDouble(value);
        } else {
            reader.skipLines(1);
        }
        reader.skipLines(1);
    }
}

void readMonteCarloBlock(FreeFormatReader& reader, ModelDataSet& data, double factor) {
    data.DataType = 0;
    const std::int16_t count = checkedCount(reader.countOfLine());
    data.McIterationCount = count;
    reader.requireRoomFor(count - 1);
    sizeSeries(data.McIterationValues, static_cast<std::int16_t>(count - 1));
    for (std::int16_t i = 1; i < count; ++i) {
        data.McIterationValues.at(i) = scaled(reader.numberField(), factor);
    }
}

namespace {

std::string& monteCarloCoordinateOf(ModelDataSet& data, Axis axis) {
    switch (axis) {
    case Axis::X:
        return data.MCCoordX;
    case Axis::Y:
        return data.MCCoordY;
    case Axis::Z:
        return data.MCCoordZ;
    case Axis::T:
        break;
    }
    return data.MCCoordT;
}

} // namespace

void readRangesAndCoordinates(FreeFormatReader& reader, ModelDataSet& data,
                              std::span<const Axis> axes, int linesBetween) {
    reader.skipLines(1);
    for (const Axis axis : axes) {
        rangeTextOf(data, axis) = reader.valueOfLine();
    }
    reader.skipLines(linesBetween);
    for (const Axis axis : axes) {
        monteCarloCoordinateOf(data, axis) = reader.valueOfLine();
    }
}

constexpr Axis XT[] = {Axis::X, Axis::T};
constexpr Axis XYT[] = {Axis::X, Axis::Y, Axis::T};
constexpr Axis XYZT[] = {Axis::X, Axis::Y, Axis::Z, Axis::T};

constexpr BodyLayout BodyLayouts[] = {
    {"One Dimensional", XT, 0, ParameterLines::Retardation, 7, false, SourceValue::LeadingNumber,
     XTLayout},
    {"Two Dimensional", XYT, 2, ParameterLines::RechargeThenRetardation, 8, false,
     SourceValue::WellFormed, XYTLayout},
    {"Three Dimensional", XYZT, 3, ParameterLines::RechargeThenRetardation, 9, true,
     SourceValue::WellFormed, XYZTLayout},
    {"Unsaturated One Dimensional", XT, 0, ParameterLines::Unsaturated, 9, true,
     SourceValue::WellFormed, XTLayout},
};

const BodyLayout* bodyLayoutOf(std::string_view model) {
    for (const BodyLayout& body : BodyLayouts) {
        if (body.model == model) {
            return &body;
        }
    }
    return nullptr;
}

void readBodyHead(FreeFormatReader& reader, ModelDataSet& data, const BodyLayout& body,
                  SpeciesCount species) {
    readRangesAndCoordinates(reader, data, body.axes, body.linesBetween);
    const bool multiple = species == SpeciesCount::Multiple;
    const int count = body.parameterLineCount - (multiple ? 1 : 0);
    switch (body.parameters) {
    case ParameterLines::Retardation:
        skipParameterLinesWithRetardation(reader, count);
        break;
    case ParameterLines::RechargeThenRetardation:
        skipParameterLinesWithRecharge(reader, count);
        reader.skipLines(2);
        skipParameterLinesWithRetardation(reader, 1);
        break;
    case ParameterLines::Unsaturated:
        reader.skipLines(count);
        if (data.ContaminantName != "Dirichlet") {
            reader.skipLines(1);
        }
        reader.skipLines(1);
        break;
    }
    if (multiple && body.superpositionLine) {
        reader.skipLines(1);
    }
}

} // namespace torval::groundwater
