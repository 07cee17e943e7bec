#pragma once
// The reading primitives of every line-oriented data file: whole lines, labelled values, counts
// and comma-separated free-format fields, over a file read into memory at once. Every reader of
// transport-model files and of saved analyses reads through this class, so that one set of
// rules decides how a text becomes a number and where a field ends. Every read looks at each
// byte a bounded number of times, so reading is linear in the file's size however long its
// lines are.
//
// Rules (the exact behaviour; docs/file-formats.md repeats them with examples):
//   - Lines end at CR LF, LF or a lone CR; a last line without an ending is a line too.
//   - line(): the rest of the current line, from the current position (a field that stopped
//     inside a line leaves the rest for line()).
//   - textField(): blanks (spaces and tabs) before the item are skipped. A quoted item runs to
//     the closing quote (commas inside are kept) and anything up to the next comma or line end
//     after it is dropped; an unquoted item runs to the next comma or the line end, trailing
//     blanks removed.
//   - numberField(): blanks before the item are skipped; the item runs to the next blank,
//     comma or line end; its leading number is the value (an empty or non-numeric item reads
//     as 0; "12abc" reads 12). A number beyond a double is an overflow (6).
//   - After an item, blanks are skipped and one comma or one line end is consumed, so the next
//     item starts after it; an item ended by a blank followed by another item leaves that item
//     for the next read ("1 2" holds two numeric items).
//   - valueOfLine(): the trimmed text after the first ":" of the next line ("" without one).
//   - countOfLine(): the leading number of valueOfLine() rounded to 16 bits, halves to even
//     (6 beyond the 16-bit range).
//   - Reading anything at the end of the file is code 62 (input past end of file).

#include "datafiles/PlainNumber.h"
#include "shell/RegularFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace torval {

class FreeFormatReader {
public:
    explicit FreeFormatReader(std::string_view contents);
    explicit FreeFormatReader(FileBytes contents) noexcept;

    // Reads the whole regular file (readWholeRegularFile: 53, 70, 75, 68, 71, or 7 when it does
    // not fit in memory).
    static FreeFormatReader fromFile(const std::string& path);

    std::string line();
    // As line(), without a copy: the view stays valid as long as the reader.
    std::string_view lineView();
    void skipLines(int count);
    // Reads lines until one contains `marker` (case-sensitive); the first line read counts.
    // Returns that line.
    std::string lineContaining(std::string_view marker);

    std::string textField();
    // Grids hold millions of plain numbers: one that takePlainNumber reads up to the comma that
    // ends its item is taken in that single pass, here; anything else (a sign "+", trailing
    // letters, a number beyond a double, another separator) goes on in numberFieldAfterBlanks.
    double numberField() {
        requireMore();
        skipBlanks();
        const char* const begin = contents_.data();
        const char* const end = begin + contents_.size();
        double value = 0.0;
        const char* const stop = takePlainNumber(begin + position_, end, value);
        if (stop != nullptr && stop != end && *stop == ',') {
            position_ = static_cast<std::size_t>(stop + 1 - begin);
            return value;
        }
        return numberFieldAfterBlanks();
    }

    std::string valueOfLine();
    std::int16_t countOfLine();

    bool atEnd() const noexcept { return position_ >= contents_.size(); }
    // True when nothing but blanks and line ends is left, as a file ends whose writer added
    // empty lines at its end.
    bool onlyBlankLinesLeft() const noexcept;
    std::size_t bytesLeft() const noexcept { return contents_.size() - position_; }

    // Before an array is sized from a count found in the file: every value takes at least two
    // bytes (a digit and a separator), so a count the rest of the file cannot hold means a
    // truncated or foreign file (62), whatever the count says.
    void requireRoomFor(std::int64_t valueCount) const;

private:
    void requireMore() const {
        if (atEnd()) {
            throwPastEnd();
        }
    }
    [[noreturn]] static void throwPastEnd();
    // Where the first of the stop characters, a CR or an LF, comes at or after `from`.
    template <char... Stops>
    std::size_t nextOf(std::size_t from) const noexcept;
    void skipBlanks() noexcept {
        while (position_ < contents_.size() &&
               (contents_[position_] == ' ' || contents_[position_] == '\t')) {
            ++position_;
        }
    }
    double numberFieldAfterBlanks();
    void finishItem();
    void consumeLineEnd();

    FileBytes storage_; // contents_ views it; its bytes do not move with the reader
    std::string_view contents_;
    std::size_t position_ = 0;
};

} // namespace torval
