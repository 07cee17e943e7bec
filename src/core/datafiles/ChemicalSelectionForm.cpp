#include "datafiles/ChemicalSelectionForm.h"

#include "datafiles/ModelDataSetOps.h"
#include "shell/ErrorReport.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <exception>

namespace torval {

ChemicalSelectionForm::ChemicalSelectionForm(AppState& state, Prompter& prompter)
    : state_(state), prompter_(prompter) {
    const ModelDataSet& data = state_.modelData;
    for (std::int16_t i = 1; i <= data.ChemicalCount; ++i) {
        chemicals_.push_back(data.ChemicalNames.at(i));
    }
    text_ = data.ChemicalNames.at(data.CurrentChemical);
}

void ChemicalSelectionForm::selectRow(std::size_t row) {
    if (row >= chemicals_.size()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange, "no such row");
    }
    text_ = chemicals_[row];
}

std::int16_t ChemicalSelectionForm::firstChemicalContaining(const std::string& text) const {
    for (std::size_t row = 0; row < chemicals_.size(); ++row) {
        if (contains(chemicals_[row], text)) {
            return static_cast<std::int16_t>(row + 1);
        }
    }
    return 0;
}

void ChemicalSelectionForm::makeCurrent(std::int16_t index) {
    ModelDataSet& data = state_.modelData;
    data.CurrentChemical = index;
    state_.MCCurrentChemical = index;
    if (contains(lowerCase(data.ModelName), "air")) {
        SelectAirChemical(data, index);
    } else {
        SelectSpecies(data, index);
    }
    chemicalChanged_ = true;
}

void ChemicalSelectionForm::ok() {
    const std::int16_t index = firstChemicalContaining(text_);
    if (index == 0 || index == state_.MCCurrentChemical) {
        return;
    }
    try {
        makeCurrent(index);
    } catch (const std::exception& failure) {
        reportFailure(prompter_, failure, state_.modelData.DataFileName, chemicals_[index - 1]);
        // The dialog closes whatever the report's answer: nothing goes on working.
        prompter_.setBusy(false);
    }
}

} // namespace torval
