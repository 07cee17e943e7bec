#pragma once
// What the program does once before the main window takes input: settle where it lives, load
// its configuration, show the disclaimer, and prepare the first New Application. The main
// window runs it from its load event; the command-line program runs it without the disclaimer's
// window, through its own Prompter.

#include "AppState.h"
#include "shell/Prompter.h"

#include <string_view>

namespace torval {

// programDirectory is the directory of the program (a trailing separator is dropped; an
// installed copy finds its files through applicationDirectory) and systemDirectory the one
// standing in for the Windows directory. torval.ini is read, never written: a missing file gives
// the defaults, and a file that fails to read is reported with its path and keeps what was read.
// Returns after the user has closed the disclaimer.
void StartUp(AppState& state, Prompter& prompter, std::string_view programDirectory,
             std::string_view systemDirectory);

// StartUp for the running program and this system.
void StartUp(AppState& state, Prompter& prompter);

} // namespace torval
