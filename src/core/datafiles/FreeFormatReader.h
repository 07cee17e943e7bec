#pragma once
// The reading primitives of every line-oriented data file: whole lines, labelled values, counts
// and comma-separated free-format fields, over a file read into memory at once. Every reader of
// transport-model files and of saved analyses reads through this class, so that one set of
// rules decides how a text becomes a number and where a field ends.
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

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace torval {

class FreeFormatReader {
public:
    explicit FreeFormatReader(std::string contents);

    // Reads the whole file; 53 when it does not exist or cannot be opened, 7 when it does not
    // fit in memory.
    static FreeFormatReader fromFile(const std::string& path);

    std::string line();
    void skipLines(int count);
    // Reads lines until one contains `marker` (case-sensitive); the first line read counts.
    // Returns that line.
    std::string lineContaining(std::string_view marker);

    std::string textField();
    double numberField();

    std::string valueOfLine();
    std::int16_t countOfLine();

    bool atEnd() const noexcept { return position_ >= contents_.size(); }
    std::size_t bytesLeft() const noexcept { return contents_.size() - position_; }

    // Before an array is sized from a count found in the file: every value takes at least two
    // bytes (a digit and a separator), so a count the rest of the file cannot hold means a
    // truncated or foreign file (62), whatever the count says.
    void requireRoomFor(std::int64_t valueCount) const;

private:
    void requireMore() const;
    std::string_view currentLineRest() const;
    void skipBlanks();
    void finishItem();
    void consumeLineEnd();

    std::string contents_;
    std::size_t position_ = 0;
};

} // namespace torval
