#pragma once
// Starts the text editor or the plotting utility as a process of its own, without a shell and
// without waiting for it.

#include "shell/Launcher.h"

namespace torval {

class QtLauncher : public Launcher {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace torval
