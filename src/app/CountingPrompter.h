#pragma once
// Passes messages on and counts them: some failures are deliberately silent in the windows (a
// cancel, a missing Monte Carlo value), and a command line that stops must still say why.

#include "shell/Prompter.h"

namespace torval::cli {

class CountingPrompter : public Prompter {
public:
    explicit CountingPrompter(Prompter& inner) : inner_(inner) {}

    MessageAnswer show(const Message& message) override {
        ++count;
        return inner_.show(message);
    }
    void setBusy(bool busy) override { inner_.setBusy(busy); }

    int count = 0;

private:
    Prompter& inner_;
};

} // namespace torval::cli
