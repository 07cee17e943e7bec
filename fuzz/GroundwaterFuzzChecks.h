#pragma once
// What both groundwater fuzz targets check. A file may be refused only with the codes a
// malformed groundwater file can earn: 62 (ends early, or a count that cannot be), 6 (a count
// or a value out of range), 13 (a source concentration that is not a number) and 7 (a grid
// that is really there but too big). A file that loads must leave arrays that match its counts
// and layout, and a data set that the normalisation and the species selection can use: a
// subscript failure (9) there would mean the reader built something its consumers cannot read.
#include "ReaderFuzzing.h"
#include "datafiles/GroundwaterFileReader.h"
#include "datafiles/ModelDataSetOps.h"

namespace torval::fuzzing {

inline bool isFileFault(int code) {
    return code == ErrorCode::InputPastEndOfFile || code == ErrorCode::Overflow ||
           code == ErrorCode::TypeMismatch || code == ErrorCode::OutOfMemory;
}

inline void requireAxis(const BoundedArray<double, 1>& axis, std::int16_t count) {
    require(axis.lower() == 0 && axis.upper() == count);
}

inline void requireGrid(const ConcentrationGrid& grid, std::int16_t layout,
                        const ModelDataSet& data) {
    const std::int16_t counts[4] = {data.NumX, layout == 11 ? data.NumT : data.NumY,
                                    layout == 17 ? data.NumZ : data.NumT, data.NumT};
    const std::size_t rank = layout == 11 ? 2 : layout == 14 ? 3 : 4;
    require(grid.rank() == rank);
    for (std::size_t d = 1; d <= rank; ++d) {
        require(grid.lower(d) == 0 && grid.upper(d) == counts[d - 1]);
    }
}

// The arrays of the current data (or of a species record) against the counts and layout.
inline void requireShape(const ModelDataSet& data, std::int16_t layout,
                         const ConcentrationGrid& grid, const BoundedArray<double, 1>& series,
                         std::int16_t monteCarloCount) {
    if (layout == 0) {
        require(monteCarloCount >= 1);
        requireAxis(series, static_cast<std::int16_t>(monteCarloCount - 1));
        return;
    }
    require(layout == -1 || layout == 11 || layout == 14 || layout == 17);
    if (layout == -1) {
        return;
    }
    requireAxis(data.XValues, data.NumX);
    requireAxis(data.TValues, data.NumT);
    if (layout != 11 || data.NumY > 0) {
        requireAxis(data.YValues, data.NumY);
    }
    if (layout == 17) {
        requireAxis(data.ZValues, data.NumZ);
    }
    requireGrid(grid, layout, data);
}

// What the file opening does next: normalise, then make each chemical current in turn. A file
// whose model has no body loaded nothing (its species records were never made), so there is
// nothing to use.
inline void useLoadedData(ModelDataSet& data, std::int16_t medium) {
    if (data.DataType == -1) {
        return;
    }
    data.ModelName = "Groundwater";
    normaliseAllowingOverflow(data, medium);
    if (medium == 6) {
        for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
            SelectSpecies(data, i);
        }
    }
}

// Reads with `readBody` to see the code of a refusal, checks what loaded, then requires the
// program's entry point to agree: a refusal reported with one message, or an acceptance.
template <typename ReadBody, typename CheckLoaded>
int fuzzGroundwater(const std::uint8_t* bytes, std::size_t size, std::int16_t medium,
                    ReadBody readBody, CheckLoaded checkLoaded) {
    const std::string contents(reinterpret_cast<const char*>(bytes), size);
    ModelDataSet data;
    ResetModelDataSet(data);
    bool loaded = true;
    try {
        FreeFormatReader reader(contents);
        ReadGroundwaterHeader(data, reader);
        readBody(data, reader);
        reader.skipLines(1);
    } catch (const RunTimeError& failure) {
        require(isFileFault(failure.code()));
        loaded = false;
    }
    if (loaded) {
        checkLoaded(data);
        useLoadedData(data, medium);
    }

    AppState state;
    state.MediumCode = medium;
    ResetModelDataSet(state.modelData);
    SilentPrompter prompter;
    FreeFormatReader reader(contents);
    const bool accepted = ReadGroundwaterFile(state, prompter, reader, "fuzz");
    require(accepted == loaded && prompter.shown == (loaded ? 0 : 1));
    return 0;
}

} // namespace torval::fuzzing
