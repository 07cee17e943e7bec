#pragma once
// The run-time code an action raises, for table rows that expect either success or a code.

#include "shell/RunTimeError.h"

namespace torval::testing {

// The code of the RunTimeError the action raises; 0 when it succeeds. Any other exception
// escapes.
template <typename Action>
int codeOf(Action&& action) {
    try {
        action();
    } catch (const RunTimeError& failure) {
        return failure.code();
    }
    return 0;
}

} // namespace torval::testing
