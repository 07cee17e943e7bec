#include "shell/ErrorReport.h"

#include "shell/ApplicationInfo.h"
#include "shell/FileReplacement.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <algorithm>
#include <array>
#include <string>

namespace torval {

namespace {

// What the failed handler does once the user has seen the message.
enum class Afterwards {
    Abandon,           // leave the handler
    ContinueBusy,      // go on working with the next statement
    ContinueBusyOnYes, // go on only when the question was answered Yes
};

// A message text names what it speaks about with the placeholders {FILE}, {CHEM} and {CODE};
// "\r" is a line break and "\r\r" a paragraph break. An entry without text is handled silently.
struct ErrorMessage {
    int code = 0;
    std::string_view title = {};
    std::string_view text = {};
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
    bool closesFiles = false;
    Afterwards afterwards = Afterwards::Abandon;
};

constexpr std::string_view NotInRecognizedFormat =
    "{FILE} is not in one of the recognized formats. \r\r Please open another file.";

// clang-format off
constexpr std::array KnownMessages{
    ErrorMessage{.code = ErrorCode::IllegalFunctionCall, .title = "Illegal Function Call",
        .text = "The input data has resulted in an illegal function call during analytical "
                "computations. Possible reasons could be taking a square root or a lograthim of a "
                "negative number etc. Please check the data and try again."},
    ErrorMessage{.code = ErrorCode::Overflow, .title = "Overflow",
        .text = "The input data has resulted in an overflow during analytical computations. "
                "Please check the data and try again."},
    ErrorMessage{.code = ErrorCode::OutOfMemory, .title = "Out Of Memory",
        .text = "Insufficient memory! \r\r"
                "Please reduce the number of chemicals selected and/or number of montecarlo "
                "terms."},
    ErrorMessage{.code = ErrorCode::SubscriptOutOfRange, .afterwards = Afterwards::ContinueBusy},
    ErrorMessage{.code = ErrorCode::DivisionByZero, .title = "Division by zero",
        .text = "The input data has resulted in an division by zero during analytical "
                "computations. Please check the data and try again."},
    ErrorMessage{.code = ErrorCode::TypeMismatch, .title = "Type Mismatch Error",
        .text = "The input data has resulted in a type mis-match error during analytical "
                "computations. Possible reasons could be improper input e.g. an alphabet or blank "
                "instead of a number etc. Please check the data and try again."},
    ErrorMessage{.code = ErrorCode::FileNotFound, .title = "File not found.",
        .text = "{FILE} not found!\r\r"
                "The selected file: {FILE} is not found. Please check filename and path."},
    ErrorMessage{.code = ErrorCode::FileAlreadyExists, .title = "Overwrite File",
        .text = "{FILE} already exists. \r\r Replace existing file?",
        .icon = MessageIcon::Question, .buttons = MessageButtons::YesNo,
        .afterwards = Afterwards::ContinueBusyOnYes},
    ErrorMessage{.code = ErrorCode::DiskFull, .title = "Save Emission's File Error",
        .text = "No space left on the device.\r\r"
                "{FILE} cannot be saved. Please make sure there is enough free space on the disk "
                "before saving this file.",
        .closesFiles = true},
    ErrorMessage{.code = ErrorCode::InputPastEndOfFile, .title = "Improper File Name",
        .text = NotInRecognizedFormat, .closesFiles = true},
    ErrorMessage{.code = ErrorCode::BadFileName, .title = "Improper File Name",
        .text = NotInRecognizedFormat, .closesFiles = true},
    ErrorMessage{.code = ErrorCode::DeviceUnavailable, .title = ApplicationTitle,
        .text = "The requested device is not available."},
    ErrorMessage{.code = ErrorCode::PermissionDenied, .title = "Permission Denied",
        .text = "{FILE} cannot be opened: permission denied.\r\r"
                "Please check that you may read this file and try again."},
    ErrorMessage{.code = ErrorCode::IsDirectory, .title = "Improper File Name",
        .text = "{FILE} is a directory, not a file.\r\r Please open a file."},
    ErrorMessage{.code = ErrorCode::DiskNotReady, .title = "Disk Not ready",
        .text = "Disk not ready!\r\rPlease check the disk and try again.",
        .closesFiles = true},
    ErrorMessage{.code = 444, .title = "Cannot Delete",
        .text = "Please finish adding the new chemical before making any deletions."},
    ErrorMessage{.code = 776, .closesFiles = true},
    ErrorMessage{.code = ErrorCode::NameTooLong, .title = "Improper File Name",
        .text = "{FILE} cannot be saved: its name is too long for the disk.\r\r"
                "Please choose a shorter name or directory.",
        .closesFiles = true},
    ErrorMessage{.code = ErrorCode::SaveRaced, .title = "File Changed While Saving",
        .text = "{FILE} has not been saved: another program changed the file or its directory "
                "while it was being saved.\r\rPlease try again.",
        .closesFiles = true},
    ErrorMessage{.code = 3022, .title = "Duplicate Chemical Name",
        .text = "Chemical: {CHEM} already exists.\r\r"
                "All chemicals must have distinct chemical names."},
    ErrorMessage{.code = 3049, .title = "Invalid Database",
        .text = "'{FILE}' is corrupted or isn't a Microsoft Access database.\r\r"
                "Please choose a valid database."},
    ErrorMessage{.code = 3050, .title = "Cannot open database",
        .text = "Couldn't lock file; SHARE.EXE hasn't been loaded.\r\r"
                "To enable file and record locking in a multiuser environment,you must first "
                "load SHARE.EXE.\r\r"
                "To load SHARE.EXE\r"
                "1   Exit Microsoft Windows.\r"
                "2   Add the following line to your AUTOEXEC.BAT file:\r"
                "      SHARE.EXE /L:500\r"
                "If you don't have an AUTOEXEC.BAT file on your system, enter the preceding line "
                "at the command prompt before you start Windows.\r"
                "3   Reboot your system, then try the operation again."},
    ErrorMessage{.code = 3058, .title = "Invalid Chemical Name",
        .text = "No Chemical Name has been given.\r\r"
                "You must give a distinct chemical name in order to save its data."},
    ErrorMessage{.code = 3078, .title = "Invalid Database Format",
        .text = "'{FILE}' is not in one of the recognized formats of this software.\r\r"
                "Please choose a valid database."},
    ErrorMessage{.code = ErrorCode::DialogCancelled},
};

// A code nobody planned for: the program cannot tell what state its open files are in.
constexpr ErrorMessage UnknownFailure{.title = "Application Error",
    .text = "Error Number : {CODE} has occured during execution.\r\r"
            "No error handling routine is available for this error in this software at this "
            "time.",
    .closesFiles = true};
// clang-format on

const ErrorMessage& messageFor(int code) {
    const auto known = std::find_if(KnownMessages.begin(), KnownMessages.end(),
                                    [code](const ErrorMessage& m) { return m.code == code; });
    return known != KnownMessages.end() ? *known : UnknownFailure;
}

// What the placeholders of a message stand for, already in the form they are shown in.
struct Subjects {
    std::string file;
    std::string chemical;
    std::string code;

    const std::string* valueOf(std::string_view placeholder) const {
        if (placeholder == "{FILE}") {
            return &file;
        }
        if (placeholder == "{CHEM}") {
            return &chemical;
        }
        return placeholder == "{CODE}" ? &code : nullptr;
    }
};

// One pass over the template, so a file name that happens to hold "{CHEM}" stays as it is.
std::string expand(std::string_view pattern, const Subjects& subjects) {
    std::string text;
    std::size_t from = 0;
    while (from < pattern.size()) {
        const std::size_t open = pattern.find('{', from);
        const std::size_t close = pattern.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            break;
        }
        const std::string_view placeholder = pattern.substr(open, close - open + 1);
        const std::string* value = subjects.valueOf(placeholder);
        text.append(pattern.substr(from, open - from)).append(value ? *value : placeholder);
        from = close + 1;
    }
    text.append(pattern.substr(std::min(from, pattern.size())));
    return text;
}

Message boxFor(const ErrorMessage& entry, const Subjects& subjects) {
    Message box;
    box.text = expand(entry.text, subjects);
    box.title = std::string(entry.title);
    box.icon = entry.icon;
    box.buttons = entry.buttons;
    box.defaultButton =
        entry.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    return box;
}

std::int16_t outcomeOf(Afterwards afterwards, MessageAnswer answer, Prompter& prompter) {
    const bool goesOn =
        afterwards == Afterwards::ContinueBusy ||
        (afterwards == Afterwards::ContinueBusyOnYes && answer == MessageAnswer::Yes);
    if (!goesOn) {
        return -1;
    }
    prompter.setBusy(true);
    return 0;
}

} // namespace

std::int16_t ErrorReport(Prompter& prompter, int code, std::string_view fileName,
                         std::string_view chemicalName,
                         const std::function<void()>& closeAllFiles) {
    prompter.setBusy(false);
    const ErrorMessage& entry = messageFor(code);
    MessageAnswer answer = MessageAnswer::Ok;
    if (!entry.text.empty()) {
        const Subjects subjects{upperCase(trimBlanksView(fileName)),
                                upperCase(trimBlanksView(chemicalName)), std::to_string(code)};
        answer = prompter.show(boxFor(entry, subjects));
    }
    if (entry.closesFiles && closeAllFiles) {
        closeAllFiles();
    }
    return outcomeOf(entry.afterwards, answer, prompter);
}

std::int16_t reportFailure(Prompter& prompter, const std::exception& failure,
                           std::string_view fileName, std::string_view chemicalName,
                           const std::function<void()>& closeAllFiles) {
    return ErrorReport(prompter, runTimeCodeOf(failure), fileName, chemicalName, closeAllFiles);
}

} // namespace torval
