#include "shell/OperationFailure.h"

#include "shell/ErrorReport.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <string>

namespace torval {

namespace {

// Passes messages on and remembers whether any was shown.
class WatchingPrompter : public Prompter {
public:
    explicit WatchingPrompter(Prompter& inner) : inner_(inner) {}
    MessageAnswer show(const Message& message) override {
        shown = true;
        return inner_.show(message);
    }
    void setBusy(bool busy) override { inner_.setBusy(busy); }

    bool shown = false;

private:
    Prompter& inner_;
};

} // namespace

std::int16_t reportOperationFailure(Prompter& prompter, const std::exception& failure,
                                    std::string_view fileName, std::string_view operation) {
    WatchingPrompter watching(prompter);
    const std::int16_t outcome = reportFailure(watching, failure, fileName, "");
    if (watching.shown || runTimeCodeOf(failure) == ErrorCode::DialogCancelled) {
        return outcome;
    }
    std::string text(operation);
    text += " did not complete";
    if (!trimBlanksView(fileName).empty()) {
        text += " for " + upperCase(trimBlanksView(fileName));
    }
    text += ".\r\r";
    text += failure.what();
    prompter.show({std::move(text), std::string(operation) + " Failed", MessageIcon::Exclamation});
    prompter.setBusy(false);
    return -1;
}

} // namespace torval
