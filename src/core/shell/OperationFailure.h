#pragma once
// The report of a failed operation the user asked for by name (Save, Save As, Print, View,
// Graphics). ErrorReport passes some codes without a word (9, 776 and a cancelled dialog among
// them), which suits the statements that go on after them; an operation that did not happen
// must still say so. A cancel stays silent: the user asked for it.

#include "shell/Prompter.h"

#include <cstdint>
#include <exception>
#include <string_view>

namespace torval {

// As reportFailure; when that showed nothing, a message titled "<operation> Failed" names the
// file (upper-cased, as ErrorReport names files) and the failure.
std::int16_t reportOperationFailure(Prompter& prompter, const std::exception& failure,
                                    std::string_view fileName, std::string_view operation);

} // namespace torval
