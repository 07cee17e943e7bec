#include "intake/DataFileLoading.h"

#include "concentration/Normalisation.h"
#include "concentration/UnitTexts.h"
#include "datafiles/ModelDataSetOps.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/Text.h"
#include "shell/TextEncoding.h"

#include <algorithm>
#include <optional>

namespace torval {

namespace {

// The readers keep the bytes of the file; inside the program texts are UTF-8.
void decodeDataSetTexts(ModelDataSet& data) {
    for (std::string* text :
         {&data.SubModelName, &data.SubTypeName, &data.AquiferName, &data.ContaminantName,
          &data.MCCoordX, &data.MCCoordY, &data.MCCoordZ, &data.MCCoordT, &data.ModelResult,
          &data.TRange, &data.XRange, &data.YRange, &data.ZRange, &data.TimeUnit, &data.LengthUnit,
          &data.ConcentrationUnit}) {
        *text = fromFileText(*text);
    }
    if (data.ChemicalNames.isAllocated()) {
        for (std::string& name : data.ChemicalNames.elements()) {
            name = fromFileText(name);
        }
    }
}

// A file accepted by its reader but holding no data set (an extension of no model, a file of
// another medium, a model or sub-type the reader does not know, a species file without species
// data) is said to be of no use; the caller keeps the analysis that was open before.
bool heldNoData(const AppState& state, Prompter& prompter, const std::string& path) {
    if (state.modelData.DataType != -1) {
        return false;
    }
    prompter.show({.text = path +
                           " holds no data this program can use.\r\rThe analysis is kept as it "
                           "was. Please select another data file.",
                   .title = "No Usable Data",
                   .icon = MessageIcon::Exclamation,
                   .buttons = MessageButtons::Ok,
                   .defaultButton = MessageAnswer::Ok});
    return true;
}

} // namespace

void fillConcentrationTexts(AppState& state) {
    const ModelDataSet& data = state.modelData;
    RiskInput& input = state.riskInput;
    const std::string average = FormatNumber(generalText(data.AverageConcentration));
    input.MaximumConc = generalText(data.MaximumConcentration);
    if (data.DataType == 0) {
        input.AverageConc = "Monte Calor" + std::string(500, ' ') + average;
        state.MonteCarloCount = state.ResultCount = data.McIterationCount;
    } else {
        input.AverageConc = average;
        state.MonteCarloCount = state.ResultCount = 1;
    }
}

bool LoadDataFile(AppState& state, Prompter& prompter, const DataFileReaders& readers,
                  const std::string& path) {
    prompter.setBusy(true);
    bool accepted = false;
    try {
        const std::string modelName = lowerCase(state.modelData.ModelName);
        if (!ReadModelDataFile(state, prompter, readers, path)) {
            prompter.setBusy(false);
            return false;
        }
        accepted = true;
        const bool noSpeciesBody =
            state.MediumCode == Medium::GroundwaterMultipleSpecies && !SpeciesBodyRead(state);
        if (!noSpeciesBody) {
            NormaliseDataSet(state.modelData, state.MediumCode);
        }
        // The normalisation scales the chemical records, not the current fields: chemical 1
        // is copied again so that what the analysis shows is in mg/l with its own maximum and
        // average.
        if (modelName == "air") {
            SelectAirChemical(state.modelData, 1);
        } else if (modelName == "groundwater" && SpeciesBodyRead(state)) {
            SelectSpecies(state.modelData, 1);
        }
        fillConcentrationTexts(state);
    } catch (const std::exception& failure) {
        reportFailure(prompter, failure, path, "");
    }
    prompter.setBusy(false);
    return accepted;
}

bool OpenModelDataFile(AppState& state, FileDialogs& dialogs, Prompter& prompter,
                       const DataFileReaders& readers) {
    ModelDataSet& data = state.modelData;
    bool loaded = false;
    const std::string path =
        ShowDataFileDialog(state, dialogs, prompter, data.ModelName, OpenDataFileTitle);
    std::optional<AppState> previous; // the analysis to keep when the file holds no data
    if (path != NoFileChosen) {
        previous = state;
    }
    data.ModelName = MediumOfExtension(path);
    if (path == NoFileChosen) {
        state.MediumCode = Medium::None;
        data.DataFileName.clear();
        data.ModelName.clear();
    } else {
        ResetModelDataSet(data);
        const bool read = LoadDataFile(state, prompter, readers, path);
        if (read && heldNoData(state, prompter, path)) {
            // What the data set kept of the previous file (its average and maximum among
            // them) must not pass for this file's: the previous analysis stays whole.
            state = std::move(*previous);
            prompter.setBusy(false);
            return false;
        }
        if (read) {
            loaded = true;
            data.DataFileName = path;
            decodeDataSetTexts(data);
            CleanUnitTexts(data);
        } else {
            state.MediumCode = Medium::None;
            data.ModelName.clear();
        }
    }
    state.MCChemicalCount = std::max<std::int16_t>(data.ChemicalCount, 1);
    prompter.setBusy(false);
    return loaded;
}

} // namespace torval
