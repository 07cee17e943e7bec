#include "shell/FieldChecks.h"

#include "shell/NumberText.h"
#include "shell/Text.h"

#include <string>

namespace torval {

namespace {

// Shows the warning when the check failed and passes the verdict on.
bool warnIf(bool failed, Prompter& prompter, std::string_view fieldName,
            std::string_view complaint) {
    if (failed) {
        Message warning;
        warning.text = std::string(fieldName).append(complaint).append("\r");
        warning.title = "Warning";
        warning.icon = MessageIcon::Information;
        warning.buttons = MessageButtons::Ok;
        prompter.show(warning);
    }
    return failed;
}

} // namespace

bool IsEmptyField(Prompter& prompter, std::string_view text, std::string_view fieldName) {
    return warnIf(trimBlanksView(text).empty(), prompter, fieldName, " is empty!");
}

bool IsNotNumeric(Prompter& prompter, std::string_view text, std::string_view fieldName) {
    return warnIf(!isNumeric(text), prompter, fieldName, " is not a numeric value!");
}

bool IsZero(Prompter& prompter, std::string_view text, std::string_view fieldName) {
    return warnIf(leadingNumber(text) == 0.0, prompter, fieldName, " is equal to zero!");
}

bool IsNegative(Prompter& prompter, std::string_view text, std::string_view fieldName) {
    return warnIf(leadingNumber(text) < 0.0, prompter, fieldName, " is less than zero!");
}

bool failsFieldChecks(Prompter& prompter, std::string_view text, std::string_view fieldName) {
    return IsEmptyField(prompter, text, fieldName) || IsNotNumeric(prompter, text, fieldName) ||
           IsZero(prompter, text, fieldName) || IsNegative(prompter, text, fieldName);
}

} // namespace torval
