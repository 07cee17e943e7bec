#pragma once
// Opening the results file in the plotting utility or the text editor. Each launcher checks
// that the file and the program are there and tells the user, in the program's own words, what
// is missing; otherwise it starts the program on the file and returns without waiting.

#include "AppState.h"
#include "shell/EventPump.h"
#include "shell/Launcher.h"
#include "shell/Prompter.h"

#include <string_view>

namespace torval {

// Starts the plotting utility (GraphCommand, trimmed) with the file name as its one argument.
// Pending window events run first, when a pump is given, so the window repaints before the
// utility takes the focus.
void LaunchPlot(const AppState& state, std::string_view fileName, Prompter& prompter,
                Launcher& launcher, EventPump* events = nullptr);

// Starts the text editor of the settings (TextEditorPath, trimmed) with the file name as its
// one argument.
void LaunchEditor(const AppState& state, std::string_view fileName, Prompter& prompter,
                  Launcher& launcher);

} // namespace torval
