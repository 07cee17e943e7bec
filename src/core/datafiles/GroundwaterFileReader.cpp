#include "datafiles/GroundwaterFileReader.h"

#include "datafiles/GroundwaterSingleSpeciesBodies.h"
#include "datafiles/GroundwaterSpeciesReader.h"
#include "shell/ErrorReport.h"

#include <exception>

namespace torval {

namespace {

void readBody(AppState& state, FreeFormatReader& reader) {
    if (state.MediumCode == Medium::Groundwater) {
        ReadSingleSpeciesBody(state.modelData, reader);
    } else if (state.MediumCode == Medium::GroundwaterMultipleSpecies) {
        ReadSpeciesBody(state.modelData, reader);
    }
}

} // namespace

void ReadGroundwaterHeader(ModelDataSet& data, FreeFormatReader& reader) {
    // The title ends on the sixth line at the earliest.
    reader.skipLines(5);
    reader.lineContaining("[End Title]");
    reader.skipLines(2);
    reader.lineContaining("[End Comments]");
    reader.skipLines(1);
    data.SubModelName = reader.valueOfLine();
    data.AquiferName = reader.valueOfLine();
    data.ContaminantName = reader.valueOfLine();
    reader.skipLines(2);
    data.LengthUnit = reader.valueOfLine();
    data.TimeUnit = reader.valueOfLine();
    data.ConcentrationUnit = reader.valueOfLine();
    reader.skipLines(1);
}

bool ReadGroundwaterFile(AppState& state, Prompter& prompter, FreeFormatReader& reader,
                         std::string_view path) {
    try {
        ReadGroundwaterHeader(state.modelData, reader);
        readBody(state, reader);
        reader.skipLines(1);
        return true;
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
}

bool ReadGroundwaterFile(AppState& state, Prompter& prompter, const std::string& path) {
    try {
        FreeFormatReader reader = FreeFormatReader::fromFile(path);
        return ReadGroundwaterFile(state, prompter, reader, path);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
        return false;
    }
}

} // namespace torval
