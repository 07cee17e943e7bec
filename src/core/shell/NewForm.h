#pragma once
// The New Application dialog without its widgets: which medium the concentration of a new
// analysis comes from. The window shows the seven options and forwards OK and Cancel here; File
// > New Application reads the answer from MediumCode once the dialog has closed.

#include "AppState.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace torval {

struct MediumOption {
    std::string_view caption;   // the option button's text
    std::string_view modelName; // what OK puts into ModelName
};

// By option index, which is also the MediumCode the option produces. Both groundwater options
// give the same model name: only MediumCode tells single from multiple species.
inline constexpr std::array<MediumOption, 7> MediumOptions{{
    {"Manual Input", "Input"},
    {"Air Datafile Computed by PLUMEX ", "Air"},
    {"Groundwater - Single Species Datafile Computed by PLUMEX ", "Groundwater"},
    {"Surface Water - Near Field Datafile Computed by PLUMEX ", "Surface Water - Near Field"},
    {"Surface Water - Far Field Datafile Computed by PLUMEX ", "Surface Water - Far Field"},
    {"Surface Water - Sediment Datafile Computed by PLUMEX ", "Surface Water - Sediment"},
    {"Groundwater - Multiple Species Datafile Computed by PLUMEX ", "Groundwater"},
}};

class NewForm {
public:
    static constexpr std::string_view Caption = "New Application";
    static constexpr std::string_view FrameCaption = "Contaminant Concentration from:";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view CancelCaption = "&Cancel";

    // Opening preselects the medium the user last confirmed, so repeated analyses of the same
    // kind need one click. One option is always selected: should the remembered medium be none
    // of them, groundwater is.
    explicit NewForm(AppState& state);

    std::int16_t selectedOption() const noexcept { return selected_; }

    // Raises 9 for an index that names no option.
    void selectOption(int option);

    // Confirms the selected option as the medium and remembers it for the next opening.
    void ok();

    // Answers "no medium" and keeps everything else, the remembered medium included. Closing
    // the window by its frame means the same.
    void cancel();

private:
    AppState& state_;
    std::int16_t selected_;
};

} // namespace torval
