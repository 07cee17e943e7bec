#pragma once
// Lets pending window events run while a long operation holds the user-interface thread. The
// calculation calls it between evaluations, which is where a click on Stop is seen; the windows
// implement it by processing their queued events, the command-line program and the benchmarks
// with nothing at all.

namespace torval {

class EventPump {
public:
    virtual ~EventPump() = default;

    // Runs the events queued so far and returns; never waits for new ones.
    virtual void pump() = 0;
};

} // namespace torval
