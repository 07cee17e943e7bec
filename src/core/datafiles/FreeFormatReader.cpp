#include "datafiles/FreeFormatReader.h"

#include "datafiles/PlainNumber.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <cstring>

namespace torval {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool endsNumericItem(char c) {
    return isBlank(c) || c == ',' || isLineEnd(c);
}

FileBytes copyOf(std::string_view text) {
    FileBytes bytes;
    bytes.bytes = std::make_unique_for_overwrite<char[]>(text.size() + 1);
    if (!text.empty()) {
        std::memcpy(bytes.bytes.get(), text.data(), text.size());
    }
    bytes.size = text.size();
    return bytes;
}

} // namespace

FreeFormatReader::FreeFormatReader(std::string_view contents)
    : FreeFormatReader(copyOf(contents)) {}

FreeFormatReader::FreeFormatReader(FileBytes contents) noexcept
    : storage_(std::move(contents)), contents_(storage_.view()) {}

FreeFormatReader FreeFormatReader::fromFile(const std::string& path) {
    return FreeFormatReader(readWholeRegularFile(path));
}

void FreeFormatReader::throwPastEnd() {
    throw RunTimeError(ErrorCode::InputPastEndOfFile);
}

template <char... Stops>
std::size_t FreeFormatReader::nextOf(std::size_t from) const noexcept {
    const char* const data = contents_.data();
    const std::size_t size = contents_.size();
    while (from < size) {
        const char c = data[from];
        if (isLineEnd(c) || ((c == Stops) || ...)) {
            return from;
        }
        ++from;
    }
    return size;
}

void FreeFormatReader::consumeLineEnd() {
    if (position_ < contents_.size() && contents_[position_] == '\r') {
        ++position_;
    }
    if (position_ < contents_.size() && contents_[position_] == '\n') {
        ++position_;
    }
}

void FreeFormatReader::finishItem() {
    skipBlanks();
    if (position_ >= contents_.size()) {
        return;
    }
    if (contents_[position_] == ',') {
        ++position_;
    } else if (isLineEnd(contents_[position_])) {
        consumeLineEnd();
    }
}

std::string_view FreeFormatReader::lineView() {
    requireMore();
    const std::size_t end = nextOf<>(position_);
    const std::string_view text = contents_.substr(position_, end - position_);
    position_ = end;
    consumeLineEnd();
    return text;
}

std::string FreeFormatReader::line() {
    return std::string(lineView());
}

void FreeFormatReader::skipLines(int count) {
    for (int i = 0; i < count; ++i) {
        lineView();
    }
}

std::string FreeFormatReader::lineContaining(std::string_view marker) {
    std::string_view text = lineView();
    while (!contains(text, marker)) {
        text = lineView();
    }
    return std::string(text);
}

std::string FreeFormatReader::textField() {
    requireMore();
    skipBlanks();
    std::string item;
    if (position_ < contents_.size() && contents_[position_] == '"') {
        const std::size_t closing = nextOf<'"'>(position_ + 1);
        item = std::string(contents_.substr(position_ + 1, closing - position_ - 1));
        const bool closed = closing < contents_.size() && contents_[closing] == '"';
        position_ = closed ? nextOf<','>(closing + 1) : closing;
    } else {
        const std::size_t stop = nextOf<','>(position_);
        const std::string_view raw = contents_.substr(position_, stop - position_);
        item = std::string(raw.substr(0, raw.find_last_not_of(" \t") + 1));
        position_ = stop;
    }
    finishItem();
    return item;
}

double FreeFormatReader::numberFieldAfterBlanks() {
    const char* const begin = contents_.data();
    const char* const end = begin + contents_.size();
    double value = 0.0;
    const char* const stop = takePlainNumber(begin + position_, end, value);
    if (stop != nullptr && (stop == end || endsNumericItem(*stop))) {
        position_ = static_cast<std::size_t>(stop - begin);
        finishItem();
        return value;
    }
    std::size_t itemEnd = position_;
    while (itemEnd < contents_.size() && !endsNumericItem(contents_[itemEnd])) {
        ++itemEnd;
    }
    const std::string_view item = contents_.substr(position_, itemEnd - position_);
    position_ = itemEnd;
    finishItem();
    return leadingNumber(item);
}

std::string FreeFormatReader::valueOfLine() {
    return ValueAfter(lineView(), ":");
}

std::int16_t FreeFormatReader::countOfLine() {
    return toInt16(leadingNumber(valueOfLine()));
}

bool FreeFormatReader::onlyBlankLinesLeft() const noexcept {
    for (std::size_t at = position_; at < contents_.size(); ++at) {
        if (!isBlank(contents_[at]) && !isLineEnd(contents_[at])) {
            return false;
        }
    }
    return true;
}

void FreeFormatReader::requireRoomFor(std::int64_t valueCount) const {
    // n values need at least 2n - 1 bytes: the last may end the file without a separator.
    if (valueCount > 0 && static_cast<std::uint64_t>(valueCount) > (bytesLeft() + 1) / 2) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "count larger than the file can hold");
    }
}

} // namespace torval
