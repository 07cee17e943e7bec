#include "shell/PlatformLauncher.h"

#include "shell/RunTimeError.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <algorithm>
#include <cerrno>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace torval {

namespace {

#ifdef _WIN32

// One argument quoted so that the program's start-up code splits it back out unchanged:
// backslashes double only where they precede a quote.
std::string quotedArgument(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

class WindowsLauncher final : public Launcher {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override {
        std::string commandLine = quotedArgument(program);
        for (const std::string& argument : arguments) {
            commandLine += ' ' + quotedArgument(argument);
        }
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            const DWORD error = GetLastError();
            throw RunTimeError(error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                   ? ErrorCode::FileNotFound
                                   : ErrorCode::IllegalFunctionCall);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

#else

class PosixLauncher final : public Launcher {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override {
        collectFinished();
        std::vector<std::string> words{program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        const int error =
            posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
        if (error != 0) {
            throw RunTimeError(error == ENOENT || error == ENOTDIR
                                   ? ErrorCode::FileNotFound
                                   : ErrorCode::IllegalFunctionCall);
        }
        started_.push_back(child);
    }

private:
    void collectFinished() {
        std::erase_if(started_, [](pid_t child) { return waitpid(child, nullptr, WNOHANG) != 0; });
    }

    std::vector<pid_t> started_;
};

#endif

} // namespace

std::unique_ptr<Launcher> platformLauncher() {
#ifdef _WIN32
    return std::make_unique<WindowsLauncher>();
#else
    return std::make_unique<PosixLauncher>();
#endif
}

} // namespace torval
