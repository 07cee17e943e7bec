#pragma once
// Starting an external program (the plotting utility, the text editor) on a file. The viewers
// decide what to start and with which file; the platform layer (PlatformLauncher.h) starts it,
// and tests stand in a launcher that records the request.

#include <string>
#include <vector>

namespace torval {

class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts the program with the arguments and returns without waiting for it. Each argument
    // reaches the program as one argument exactly as given: no shell is involved, so blanks,
    // quotes and other special characters in a file name need no care. Raises 53 when the
    // program cannot be found and 5 when it cannot be started for another reason.
    virtual void start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

} // namespace torval
