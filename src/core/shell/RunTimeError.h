#pragma once
// The one failure type of the program. Every failure that reaches a command handler carries
// the run-time code under which ErrorReport knows its message; handlers catch it and hand the
// code on. Code numbers are the program's own and appear in messages and files.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace torval {

namespace ErrorCode {
inline constexpr int IllegalFunctionCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int BadFileName = 64;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int IsDirectory = 75;
inline constexpr int DialogCancelled = 32755;
} // namespace ErrorCode

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(int code, const std::string& detail = {})
        : std::runtime_error("run-time error " + std::to_string(code) +
                             (detail.empty() ? std::string() : ": " + detail)),
          code_(code) {}

    int code() const noexcept { return code_; }

private:
    int code_;
};

// Maps any exception escaping a command onto the code ErrorReport shows: our own failures keep
// their code, an allocation or length failure is out of memory, a standard range failure is a
// subscript out of range; anything else is reported by number 0 (shown as an application error).
int runTimeCodeOf(const std::exception& failure) noexcept;

} // namespace torval
