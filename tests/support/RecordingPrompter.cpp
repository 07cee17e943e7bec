#include "support/RecordingPrompter.h"

#include <stdexcept>

namespace torval::testing {

MessageAnswer RecordingPrompter::show(const Message& message) {
    messages.push_back(message);
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (message.buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    throw std::logic_error("RecordingPrompter: no scripted answer for \"" + message.title + "\"");
}

} // namespace torval::testing
