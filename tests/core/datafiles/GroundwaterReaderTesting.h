#pragma once
// What the groundwater reader tests share: reading a file or a text as the file opening
// would (a reset data set, the medium chosen by the extension), and a summary of the scalar
// fields for table comparisons.

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/GroundwaterFileReader.h"
#include "datafiles/ModelDataSetOps.h"
#include "support/RecordingPrompter.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace torval::testing {

inline std::filesystem::path groundwaterFixture(const std::string& name) {
    return std::filesystem::path(TORVAL_TEST_DATA) / "groundwater" / name;
}

// 6 for the species extensions mc1, mc2, mc3 and mcu, 2 for the others.
inline std::int16_t groundwaterMediumOf(const std::filesystem::path& path) {
    return path.extension().string().starts_with(".mc") ? Medium::GroundwaterMultipleSpecies
                                                        : Medium::Groundwater;
}

struct GroundwaterRead {
    bool accepted = false;
    AppState state;
    std::vector<Message> messages;

    const ModelDataSet& data() const { return state.modelData; }
};

inline GroundwaterRead readGroundwaterText(std::string text, std::int16_t medium) {
    GroundwaterRead read;
    read.state.MediumCode = medium;
    ResetModelDataSet(read.state.modelData);
    RecordingPrompter prompter;
    FreeFormatReader reader(std::move(text));
    read.accepted = ReadGroundwaterFile(read.state, prompter, reader, "c:\\plumex\\run.one");
    read.messages = prompter.messages;
    return read;
}

inline GroundwaterRead readGroundwaterPath(const std::filesystem::path& path) {
    GroundwaterRead read;
    read.state.MediumCode = groundwaterMediumOf(path);
    ResetModelDataSet(read.state.modelData);
    RecordingPrompter prompter;
    read.accepted = ReadGroundwaterFile(read.state, prompter, path.string());
    read.messages = prompter.messages;
    return read;
}

// Values 1..N of an axis or series.
inline std::vector<double> usedValues(const BoundedArray<double, 1>& values, int count) {
    std::vector<double> used;
    for (int i = 1; i <= count; ++i) {
        used.push_back(values.at(i));
    }
    return used;
}

// The cell of a grid of rank 2 to 4 at the indexes.
inline double cellAt(const ConcentrationGrid& grid, const std::vector<int>& i) {
    switch (i.size()) {
    case 2:
        return grid.at(i[0], i[1]);
    case 3:
        return grid.at(i[0], i[1], i[2]);
    default:
        return grid.at(i[0], i[1], i[2], i[3]);
    }
}

struct DataSummary {
    std::string subModel;
    std::string xRange, yRange, zRange, tRange;
    std::string mcX, mcY, mcZ, mcT;
    std::string result;
    int dataType = -1;
    int numX = -1, numY = -1, numZ = -1, numT = -1;
    int mcCount = -1;
    double initial = -1.0;

    bool operator==(const DataSummary&) const = default;
};

inline DataSummary summaryOf(const ModelDataSet& d) {
    return {d.SubModelName,
            d.XRange,
            d.YRange,
            d.ZRange,
            d.TRange,
            d.MCCoordX,
            d.MCCoordY,
            d.MCCoordZ,
            d.MCCoordT,
            d.ModelResult,
            d.DataType,
            d.NumX,
            d.NumY,
            d.NumZ,
            d.NumT,
            d.McIterationCount,
            d.InitialConcentration};
}

inline void PrintTo(const DataSummary& s, std::ostream* out) {
    *out << "{" << s.subModel << " | X " << s.xRange << " Y " << s.yRange << " Z " << s.zRange
         << " T " << s.tRange << " | MC " << s.mcX << "," << s.mcY << "," << s.mcZ << "," << s.mcT
         << " | result " << s.result << " | type " << s.dataType << " | N " << s.numX << ","
         << s.numY << "," << s.numZ << "," << s.numT << " | mc " << s.mcCount << " | initial "
         << s.initial << "}";
}

} // namespace torval::testing
