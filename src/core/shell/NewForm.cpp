#include "shell/NewForm.h"

#include "shell/RunTimeError.h"

#include <string>

namespace torval {

namespace {

bool isOption(int index) {
    return index >= 0 && index < static_cast<int>(MediumOptions.size());
}

} // namespace

NewForm::NewForm(AppState& state)
    : state_(state),
      selected_(isOption(state.LastMediumOption) ? state.LastMediumOption : Medium::Groundwater) {}

void NewForm::selectOption(int option) {
    if (!isOption(option)) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange,
                           "no medium option " + std::to_string(option));
    }
    selected_ = static_cast<std::int16_t>(option);
}

void NewForm::ok() {
    state_.modelData.ModelName =
        std::string(MediumOptions[static_cast<std::size_t>(selected_)].modelName);
    state_.MediumCode = selected_;
    if (selected_ == Medium::Input) {
        state_.MCChemicalCount = 1;
    }
    state_.LastMediumOption = state_.MediumCode;
}

void NewForm::cancel() {
    state_.MediumCode = Medium::None;
}

} // namespace torval
