#include "shell/RunTimeError.h"

#include <new>
#include <stdexcept>

namespace torval {

int runTimeCodeOf(const std::exception& failure) noexcept {
    if (const auto* own = dynamic_cast<const RunTimeError*>(&failure)) {
        return own->code();
    }
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr ||
        dynamic_cast<const std::length_error*>(&failure) != nullptr) {
        return ErrorCode::OutOfMemory;
    }
    if (dynamic_cast<const std::out_of_range*>(&failure) != nullptr) {
        return ErrorCode::SubscriptOutOfRange;
    }
    return 0;
}

} // namespace torval
