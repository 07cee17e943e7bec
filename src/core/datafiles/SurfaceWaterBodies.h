#pragma once
// The bodies of a surface-water file, one per model, and the result part they share. Only the
// surface-water reader calls them, once the model and sub type names are in the data set.

#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace torval {

inline constexpr std::string_view NearFieldModelName = "Near-Field Mixing";
inline constexpr std::string_view FarFieldModelName = "Far-Field Mixing";
inline constexpr std::string_view SedimentModelName = "Sediment Model";

// Each reads the parameters of data.SubTypeName, the result and what follows it. They return
// false for a sub type they do not know, having read nothing.
bool readNearFieldBody(FreeFormatReader& reader, ModelDataSet& data);
bool readFarFieldBody(FreeFormatReader& reader, ModelDataSet& data);
bool readSedimentBody(FreeFormatReader& reader, ModelDataSet& data);

// A sub type of a model and the reader of its parameters and result.
struct SurfaceSubType {
    std::string_view name;
    void (*read)(FreeFormatReader&, ModelDataSet&);
};

// Runs the reader of data.SubTypeName; false when none of `subTypes` has that name.
bool readSubType(std::span<const SurfaceSubType> subTypes, FreeFormatReader& reader,
                 ModelDataSet& data);

// The layout of a result that is a single value: the sub types without a regular output.
inline constexpr std::int16_t SingleValueLayout = 2;

// What follows the result text, already in data.ModelResult: a Monte Carlo series when it
// contains "Monte", the single value when `regularLayout` is SingleValueLayout, otherwise the
// marker of the Monte Carlo data (which ends the reading) or the regular output grid of that
// layout, its counts in the order of the layout's axes.
void readResultPart(FreeFormatReader& reader, ModelDataSet& data, std::int16_t regularLayout);

// Reads the result text into data.ModelResult, then the result part.
void readResult(FreeFormatReader& reader, ModelDataSet& data, std::int16_t regularLayout);

// As readResultPart, for a sub type whose steady-state file ends after its result: when only
// the file ends after the result, it is the single value.
void readResultPartOrSingleValue(FreeFormatReader& reader, ModelDataSet& data,
                                 std::int16_t regularLayout);

} // namespace torval
