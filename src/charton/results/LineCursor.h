#pragma once
// Walks the lines of a results file, counting them, so that every refusal names its line.

#include "ResultsFile.h"

#include <string_view>

namespace torval::charton {

class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    // The next line without its line end; raises when the file has ended.
    std::string_view next(std::string_view expecting);
    // The next line, which must start with the prefix; returns what follows it.
    std::string_view after(std::string_view prefix);
    // The next line read in full as a number (blanks around it and group commas allowed).
    double number(std::string_view expecting);
    // The number following the prefix on the next line.
    double numberAfter(std::string_view prefix);
    bool atEnd() const { return position_ >= text_.size(); }
    std::size_t line() const { return line_; }
    std::size_t bytesLeft() const { return text_.size() - position_; }
    [[noreturn]] void fail(const std::string& message) const;

private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t line_ = 0;
};

// The text read in full as a decimal number; false when it is not one.
bool readNumber(std::string_view text, double& value);

} // namespace torval::charton
