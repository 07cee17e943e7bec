#pragma once
// The pieces that the groundwater body readers share, single species or several: the
// parameter lines whose text decides how many lines follow, the point counts of a grid, the
// sizing of axes and grids from counts that are first checked against what the file can still
// hold, the source block and the Monte Carlo block. ReadGroundwaterFile's body readers
// (GroundwaterSingleSpeciesBodies, GroundwaterSpeciesReader) are the only callers.
//
// Counts in these files size arrays, so every count that does is checked before use: a point
// count, a Monte Carlo count, a source count or a species count below 1 marks a foreign or
// damaged file and fails with 62, like a file that ends too early. A Monte Carlo count of
// exactly 1 is a valid block without values.

#include "datafiles/DataLayout.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"
#include "shell/BoundedArray.h"
#include "shell/CheckedArithmetic.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace torval::groundwater {

// The point counts of a grid; an axis the layout lacks keeps 0.
struct GridShape {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t z = 0;
    std::int16_t t = 0;
};

// The text of a Monte Carlo result; any other text is a grid's result (or a single value).
inline constexpr std::string_view MonteCarloResult = "Monte Carlo";

// Reads `count` lines; one more when the last of them, lower-cased, contains "retardation"
// (the models write the retardation factor on an extra line when they computed it).
// The head of a one-, two- or three-dimensional body: a title line, the range text of each axis,
// `linesBetween` lines, then the Monte Carlo coordinate of each axis.
void readRangesAndCoordinates(FreeFormatReader& reader, ModelDataSet& data,
                              std::span<const Axis> axes, int linesBetween);

void skipParameterLinesWithRetardation(FreeFormatReader& reader, int count);

// Reads `count` lines; two more when the last of them contains "Net Recharge" (exact case).
void skipParameterLinesWithRecharge(FreeFormatReader& reader, int count);

// The count rule applied to a text already read: the leading number of the text after its
// first ":", rounded to 16 bits (6 beyond).
std::int16_t countOfText(std::string_view text);

// A count that sizes an array: 62 below `minimum`.
std::int16_t checkedCount(std::int16_t count, std::int16_t minimum = 1);

// A point count given on a line of its own, or as a comma-separated field.
std::int16_t readPointCountLine(FreeFormatReader& reader);
std::int16_t readPointCountField(FreeFormatReader& reader);

// The product of the factors, saturated at the largest 64-bit value, for checking how many
// values a file claims before anything is sized from it.
std::int64_t valueCount(std::initializer_list<std::int64_t> factors);

// Sizes `values` 0..count (element 0 stays 0).
void sizeSeries(BoundedArray<double, 1>& values, std::int16_t count);

// Sizes the data set's axes of the shape (0..count each, the axes with a count only) and sets
// NumX, NumY, NumZ, NumT for them.
void sizeAxes(ModelDataSet& data, const GridShape& shape);

// Fills values(1..count) from numeric fields.
void readSeries(FreeFormatReader& reader, BoundedArray<double, 1>& values, std::int16_t count);

// How a source concentration line is converted: the one-dimensional model writes it loosely
// (its leading number counts, 0 when there is none); the other models must write a number.
enum class SourceValue { LeadingNumber, WellFormed };

// The source block: a count line, one line, then per source three lines of which the middle
// one's value is that source's concentration. Only the first source's concentration is
// converted; it becomes InitialConcentration.
void readSourceBlock(FreeFormatReader& reader, ModelDataSet& data, SourceValue conversion);

// The Monte Carlo block of a single-species file: DataType 0, the count line, then count - 1
// numeric fields into McIterationValues(1..count-1), each multiplied by `factor`.
void readMonteCarloBlock(FreeFormatReader& reader, ModelDataSet& data, double factor);

// Where a body's lines before its source part run, by model. A multiple-species file lacks
// the decay line of its single-species twin and, in the three-dimensional and unsaturated
// models, holds a superposition index line after the parameters.
enum class SpeciesCount { Single, Multiple };
enum class ParameterLines { Retardation, RechargeThenRetardation, Unsaturated };

struct BodyLayout {
    std::string_view model; // SubModelName, exact case
    std::span<const Axis> axes;
    int linesBetween; // between the range texts and the Monte Carlo coordinates
    ParameterLines parameters;
    int parameterLineCount; // of a single-species file
    bool superpositionLine; // of a multiple-species file
    SourceValue source;     // of a single-species file
    std::int16_t resultLayout;
};

// The layout of the one-, two-, three-dimensional or unsaturated body; nullptr for any other
// model name ("Time Varying" included).
const BodyLayout* bodyLayoutOf(std::string_view model);

// The range texts, coordinates and parameter lines of a body, up to its source part.
void readBodyHead(FreeFormatReader& reader, ModelDataSet& data, const BodyLayout& body,
                  SpeciesCount species);

// The result part of every body: the result text, then a Monte Carlo block when it says so
// and the grid otherwise, then the two lines that close it.
template <typename MonteCarlo, typename Grid>
void readResultPart(FreeFormatReader& reader, ModelDataSet& data, MonteCarlo&& monteCarlo,
                    Grid&& grid) {
    data.ModelResult = reader.textField();
    if (data.ModelResult == MonteCarloResult) {
        monteCarlo();
    } else {
        grid();
    }
}

// A file's concentrations are relative to the source concentration: value times factor,
// checked (6 when the product is beyond a double).
inline double scaled(double value, double factor) {
    return checkedMultiply(value, factor);
}

} // namespace torval::groundwater
