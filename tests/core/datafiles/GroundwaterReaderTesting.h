#pragma once
// What the groundwater reader tests share: reading a text as the file opening would (a reset
// data set, the medium chosen by the extension), and a one-line summary of the scalar fields
// for table comparisons.

#include "AppState.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/GroundwaterFileReader.h"
#include "datafiles/ModelDataSetOps.h"
#include "support/RecordingPrompter.h"

#include <cstdint>
#include <filesystem>
#include <sstream>
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

// Read as the file opening reads: a reset data set, the medium given.
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

// The scalar fields a reader fills, joined by '|' for one-line table rows: sub model, the
// ranges X Y Z T, the Monte Carlo point X Y Z T, result, data type, the counts X Y Z T, the
// Monte Carlo count and the initial concentration.
inline std::string summaryOf(const ModelDataSet& d) {
    std::ostringstream out;
    out.precision(15);
    for (const std::string* text :
         {&d.SubModelName, &d.XRange, &d.YRange, &d.ZRange, &d.TRange, &d.MCCoordX, &d.MCCoordY,
          &d.MCCoordZ, &d.MCCoordT, &d.ModelResult}) {
        out << *text << '|';
    }
    for (const int count : {d.DataType, d.NumX, d.NumY, d.NumZ, d.NumT, d.McIterationCount}) {
        out << count << '|';
    }
    out << d.InitialConcentration;
    return out.str();
}

} // namespace torval::testing
