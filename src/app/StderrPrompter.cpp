#include "StderrPrompter.h"

#include "Windows1252.h"

#include <algorithm>
#include <string>

namespace torval::cli {

namespace {

// Message texts break their lines with carriage returns.
std::string terminalText(const std::string& text) {
    std::string lines = windows1252ToUtf8(text);
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
