#include "intake/DataFileLoading.h"

#include "concentration/Normalisation.h"
#include "concentration/UnitTexts.h"
#include "datafiles/ModelDataSetOps.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/Text.h"

#include <algorithm>

namespace torval {

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
    data.ModelName = MediumOfExtension(path);
    if (path == NoFileChosen) {
        state.MediumCode = Medium::None;
        data.DataFileName.clear();
        data.ModelName.clear();
    } else {
        ResetModelDataSet(data);
        if (LoadDataFile(state, prompter, readers, path)) {
            loaded = true;
            data.DataFileName = path;
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
