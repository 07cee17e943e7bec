#pragma once
// The launcher of the system the program runs on.

#include "shell/Launcher.h"

#include <memory>

namespace torval {

// Programs it starts are never waited for; on POSIX systems each later start collects the
// exit status of those that have finished, so they do not linger as zombies.
std::unique_ptr<Launcher> platformLauncher();

} // namespace torval
