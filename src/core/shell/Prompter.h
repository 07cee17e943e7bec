#pragma once
// How the core reaches the user: modal message boxes and the busy (hourglass) pointer.
// The windows implement it with real dialogs, the command-line program prints on stderr, and
// tests record every message and answer from a script. Texts are UTF-8; line
// breaks inside a text are carriage returns ("\r"), a paragraph break is two of them.

#include <string>

namespace torval {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultButton = MessageAnswer::Ok;

    bool operator==(const Message&) const = default;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows the message modally and returns the button the user pressed.
    virtual MessageAnswer show(const Message& message) = 0;

    // True shows the hourglass over the whole application, false restores the default pointer.
    virtual void setBusy(bool busy) = 0;
};

} // namespace torval
