#include "datafiles/SectionFields.h"

#include "datafiles/ModelDataSetOps.h"
#include "datafiles/RangeTexts.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <string>

namespace torval {

void expectMarker(FreeFormatReader& reader, std::string_view marker) {
    const std::string field = reader.textField();
    if (field != marker) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile,
                           "expected \"" + std::string(marker) + "\", found \"" + field + "\"");
    }
}

std::int16_t integerField(FreeFormatReader& reader) {
    return toInt16(reader.numberField());
}

std::int16_t countField(FreeFormatReader& reader) {
    const std::int16_t count = integerField(reader);
    if (count < 0) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "negative count");
    }
    return count;
}

void skipFields(FreeFormatReader& reader, int count) {
    for (int i = 0; i < count; ++i) {
        reader.textField();
    }
}

void readNumberFields(FreeFormatReader& reader, std::int16_t valueCount, std::int16_t upperBound,
                      BoundedArray<double, 1>& values) {
    reader.requireRoomFor(valueCount);
    values.redim({0, upperBound});
    for (std::int16_t i = 1; i <= valueCount; ++i) {
        values.at(i) = reader.numberField();
    }
}

void requireMonteCarloCount(std::int16_t iterationCount) {
    if (iterationCount < 1) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "Monte Carlo result without iterations");
    }
}

void readMonteCarloValues(FreeFormatReader& reader, std::int16_t iterationCount,
                          std::int16_t upperBound, BoundedArray<double, 1>& values) {
    const auto valueCount = static_cast<std::int16_t>(iterationCount > 1 ? iterationCount - 1 : 0);
    readNumberFields(reader, valueCount, upperBound, values);
}

void axisForGrid(std::string_view rangeText, std::int16_t gridPoints,
                 BoundedArray<double, 1>& values) {
    if (ParseRangeText(rangeText).count < gridPoints) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile,
                           "range \"" + std::string(rangeText) + "\" shorter than its grid axis");
    }
    AxisValuesFromRange(rangeText, values);
}

} // namespace torval
