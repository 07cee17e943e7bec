#pragma once
// The program's name as the user sees it: the title of messages that speak for the program as a
// whole and the caption of the main window.

#include <string_view>

namespace torval {

inline constexpr std::string_view ApplicationTitle = "TORVAL";
inline constexpr std::string_view MainWindowCaption =
    "TORVAL EXPOSURE ASSESSMENT SYSTEM   (TORVAL-VERSION 1.0)";

} // namespace torval
