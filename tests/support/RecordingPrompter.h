#pragma once
// A Prompter for tests: records every message and the busy-pointer changes, and answers from
// a script (Ok for a box with only an Ok button when the script is empty).

#include "shell/Prompter.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace torval::testing {

class RecordingPrompter : public Prompter {
public:
    std::vector<Message> messages;
    std::vector<bool> busyChanges;
    std::deque<MessageAnswer> answers;

    MessageAnswer show(const Message& message) override {
        messages.push_back(message);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (message.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        throw std::logic_error("RecordingPrompter: no scripted answer for \"" + message.title +
                               "\"");
    }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }

    bool isBusy() const { return !busyChanges.empty() && busyChanges.back(); }
};

} // namespace torval::testing
