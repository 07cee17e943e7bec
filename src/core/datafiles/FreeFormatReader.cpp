#include "datafiles/FreeFormatReader.h"

#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>

namespace torval {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Grids hold millions of plain numbers: those go straight through std::from_chars; anything
// else (a sign "+", trailing letters, a number beyond a double) takes the general rule.
double numberOfItem(std::string_view item) {
    const std::size_t digitsFrom = !item.empty() && item.front() == '-' ? 1 : 0;
    if (item.size() > digitsFrom &&
        ((item[digitsFrom] >= '0' && item[digitsFrom] <= '9') || item[digitsFrom] == '.')) {
        double value = 0.0;
        const auto result = std::from_chars(item.data(), item.data() + item.size(), value);
        if (result.ec == std::errc() && result.ptr == item.data() + item.size()) {
            return value;
        }
    }
    return leadingNumber(item);
}

} // namespace

FreeFormatReader::FreeFormatReader(std::string contents) : contents_(std::move(contents)) {}

namespace {

// The file in one allocation and one read where its size is known; a stream whose size cannot
// be told (a pipe) is read piece by piece.
std::string wholeFile(std::ifstream& file, const std::string& path) {
    std::string contents;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    if (size > 0 && file) {
        contents.resize(static_cast<std::size_t>(size));
        file.read(contents.data(), size);
        contents.resize(static_cast<std::size_t>(file.gcount()));
    } else {
        file.clear();
        contents.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    if (file.bad()) {
        throw RunTimeError(ErrorCode::DiskNotReady, path);
    }
    return contents;
}

} // namespace

FreeFormatReader FreeFormatReader::fromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw RunTimeError(ErrorCode::FileNotFound, path);
    }
    try {
        return FreeFormatReader(wholeFile(file, path));
    } catch (const std::bad_alloc&) {
        throw RunTimeError(ErrorCode::OutOfMemory, path);
    }
}

void FreeFormatReader::requireMore() const {
    if (atEnd()) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile);
    }
}

std::string_view FreeFormatReader::currentLineRest() const {
    const std::string_view rest = std::string_view(contents_).substr(position_);
    const auto end = rest.find_first_of("\r\n");
    return end == std::string_view::npos ? rest : rest.substr(0, end);
}

void FreeFormatReader::consumeLineEnd() {
    if (position_ < contents_.size() && contents_[position_] == '\r') {
        ++position_;
    }
    if (position_ < contents_.size() && contents_[position_] == '\n') {
        ++position_;
    }
}

void FreeFormatReader::skipBlanks() {
    while (position_ < contents_.size() && isBlank(contents_[position_])) {
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

std::string FreeFormatReader::line() {
    requireMore();
    const std::string_view rest = currentLineRest();
    position_ += rest.size();
    consumeLineEnd();
    return std::string(rest);
}

void FreeFormatReader::skipLines(int count) {
    for (int i = 0; i < count; ++i) {
        requireMore();
        position_ += currentLineRest().size();
        consumeLineEnd();
    }
}

std::string FreeFormatReader::lineContaining(std::string_view marker) {
    std::string text = line();
    while (!contains(text, marker)) {
        text = line();
    }
    return text;
}

std::string FreeFormatReader::textField() {
    requireMore();
    skipBlanks();
    const std::string_view rest = currentLineRest();
    std::string item;
    if (!rest.empty() && rest.front() == '"') {
        const auto closing = rest.find('"', 1);
        item = std::string(rest.substr(1, closing == std::string_view::npos ? std::string_view::npos
                                                                            : closing - 1));
        const auto after =
            rest.find(',', closing == std::string_view::npos ? rest.size() : closing);
        position_ += after == std::string_view::npos ? rest.size() : after;
    } else {
        const auto comma = rest.find(',');
        const std::string_view raw = rest.substr(0, comma);
        item = std::string(raw.substr(0, raw.find_last_not_of(" \t") + 1));
        position_ += raw.size();
    }
    finishItem();
    return item;
}

double FreeFormatReader::numberField() {
    requireMore();
    skipBlanks();
    const std::size_t start = position_;
    while (position_ < contents_.size() && !isBlank(contents_[position_]) &&
           contents_[position_] != ',' && !isLineEnd(contents_[position_])) {
        ++position_;
    }
    const std::string_view item = std::string_view(contents_).substr(start, position_ - start);
    finishItem();
    return numberOfItem(item);
}

std::string FreeFormatReader::valueOfLine() {
    return ValueAfter(line(), ":");
}

std::int16_t FreeFormatReader::countOfLine() {
    return toInt16(leadingNumber(valueOfLine()));
}

void FreeFormatReader::requireRoomFor(std::int64_t valueCount) const {
    // n values need at least 2n - 1 bytes: the last may end the file without a separator.
    if (valueCount > 0 && static_cast<std::uint64_t>(valueCount) > (bytesLeft() + 1) / 2) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "count larger than the file can hold");
    }
}

} // namespace torval
