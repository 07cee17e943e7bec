#pragma once
// The one place that turns a run-time failure code into what the user sees. Every command
// handler catches its failure, and hands it here (usually through reportFailure); the answer
// tells the handler whether to go on with the next statement (0) or to leave (-1).
//
// Besides the message box, a report restores the default pointer first and, for code 9 and a
// Yes to the overwrite question (58), sets the busy pointer again because the handler goes on
// working. The failures after which no open file can be trusted (61, 62, 64, 71, 776 and any
// code without a message of its own) call closeAllFiles when the caller gives one.

#include "shell/Prompter.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string_view>

namespace torval {

// fileName and chemicalName are shown trimmed and upper-cased; pass "" when there is none.
std::int16_t ErrorReport(Prompter& prompter, int code, std::string_view fileName,
                         std::string_view chemicalName,
                         const std::function<void()>& closeAllFiles = {});

// ErrorReport for the code runTimeCodeOf finds in the failure (0, an unknown code, for a failure
// that is not one of ours).
std::int16_t reportFailure(Prompter& prompter, const std::exception& failure,
                           std::string_view fileName, std::string_view chemicalName,
                           const std::function<void()>& closeAllFiles = {});

} // namespace torval
