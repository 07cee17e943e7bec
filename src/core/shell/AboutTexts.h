#pragma once
// The fixed texts of the About window, its "Development Team" message and the technical-support
// window. The windows only show them.

#include "shell/Prompter.h"

#include <string_view>

namespace torval {

struct AboutTexts {
    static constexpr std::string_view Caption = "About TORVAL";
    static constexpr std::string_view OkCaption = "OK";
    static constexpr std::string_view DisclaimerCaption = "&Disclaimer";
    static constexpr std::string_view TeamCaption = "Development &Team";
    static constexpr std::string_view TeamTitle = "Development Team";
    // Lines separated by carriage returns: name, version, purpose.
    static const std::string_view Description;
};

// The "Development Team" message: both headings, each followed by its names.
Message developmentTeamMessage();

struct SupportTexts {
    static constexpr std::string_view Caption = "Obtaining Technical Support";
    static constexpr std::string_view OkCaption = "OK";
    // Paragraphs separated by two carriage returns.
    static const std::string_view Text;
};

} // namespace torval
