#pragma once
// The command-line program's Prompter: a message is printed on stderr, title first, and
// answered with its default button, since nobody is there to press one.

#include "shell/Prompter.h"

#include <ostream>

namespace torval::cli {

class StderrPrompter : public Prompter {
public:
    explicit StderrPrompter(std::ostream& err) : err_(err) {}

    MessageAnswer show(const Message& message) override;
    void setBusy(bool) override {}

private:
    std::ostream& err_;
};

} // namespace torval::cli
