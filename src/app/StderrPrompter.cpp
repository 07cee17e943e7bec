#include "StderrPrompter.h"

#include "shell/TextEncoding.h"

#include <algorithm>
#include <string>

namespace torval::cli {

namespace {

// Message texts break their lines with carriage returns. They are UTF-8; a text that is not
// (bytes passed on from a file unconverted) is shown as the code page of the files would.
std::string terminalText(const std::string& text) {
    std::string lines = fromFileText(text);
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    return lines;
}

} // namespace

MessageAnswer StderrPrompter::show(const Message& message) {
    if (!message.title.empty()) {
        err_ << terminalText(message.title) << '\n';
    }
    err_ << terminalText(message.text) << '\n';
    err_.flush();
    return message.defaultButton;
}

} // namespace torval::cli
