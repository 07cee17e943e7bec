#pragma once
// The disclaimer every user sees when the program starts; the About window shows it again on
// request.

#include "shell/Prompter.h"

#include <string_view>

namespace torval {

inline constexpr std::string_view DisclaimerTitle = "Disclaimer";

// Eleven lines separated by carriage returns.
extern const std::string_view DisclaimerText;

// Shows the disclaimer with an OK button and no icon, and returns when the user has closed it.
void ShowDisclaimer(Prompter& prompter);

} // namespace torval
