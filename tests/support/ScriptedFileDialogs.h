#pragma once
// FileDialogs for tests: records every choice the code under test asks for and answers from a
// script (nullopt for a cancelled dialog). An unscripted dialog fails the test loudly.

#include "shell/FileDialogs.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace torval::testing {

class ScriptedFileDialogs : public FileDialogs {
public:
    std::vector<FileChoice> openChoices;
    std::vector<FileChoice> saveChoices;
    std::vector<DirectoryChoice> directoryChoices;
    std::deque<std::optional<std::string>> answers;

    std::optional<std::string> openFile(const FileChoice& choice) override {
        openChoices.push_back(choice);
        return nextAnswer();
    }
    std::optional<std::string> saveFile(const FileChoice& choice) override {
        saveChoices.push_back(choice);
        return nextAnswer();
    }
    std::optional<std::string> browseDirectory(const DirectoryChoice& choice) override {
        directoryChoices.push_back(choice);
        return nextAnswer();
    }

private:
    std::optional<std::string> nextAnswer() {
        if (answers.empty()) {
            throw std::logic_error(
                "ScriptedFileDialogs: a dialog opened without a scripted answer");
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace torval::testing
