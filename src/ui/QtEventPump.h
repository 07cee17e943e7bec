#pragma once
// Lets the queued window events run during a long calculation, so a click on Stop is seen.

#include "shell/EventPump.h"

namespace torval {

class QtEventPump : public EventPump {
public:
    void pump() override;
};

} // namespace torval
