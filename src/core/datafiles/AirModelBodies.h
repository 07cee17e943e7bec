#pragma once
// The model bodies of an air file, one per air model, and the blocks they share. Only the air
// file reader calls them, after the chemicals of the file are known: each body fills the
// records 1..ChemicalCount of AirChemicalData.

#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSet.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace torval {

inline constexpr std::string_view BoxModelName = "Box Model";
inline constexpr std::string_view GaussianModelName = "Gaussian Model";
inline constexpr std::string_view IndoorAirModelName = "Indoor Air Model";

void readBoxModelBody(FreeFormatReader& reader, ModelDataSet& data);
void readGaussianModelBody(FreeFormatReader& reader, ModelDataSet& data);
void readIndoorAirModelBody(FreeFormatReader& reader, ModelDataSet& data);

// The source strength handed over by the emission model: read past, nothing is kept.
void skipEmissionBlock(FreeFormatReader& reader);

// "[Begin Chemical 2 ]" and the like: the body markers number their chemicals.
std::string numberedMarker(std::string_view opening, std::int16_t chemical);

// Whether a text announces Monte Carlo values: "monte" in any case.
bool announcesMonteCarlo(std::string_view text);

} // namespace torval
