#include "datafiles/FreeFormatReader.h"

#include "shell/RunTimeError.h"
#include "support/CodeOf.h"
#include "support/ScratchDirectory.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <variant>
#include <vector>

namespace torval {
namespace {

namespace fs = std::filesystem;
using testing::codeOf;

// One read and what it must give: a text, a number, or a run-time code.
struct Read {
    enum Kind { Line, Text, Number, Value, Count } kind;
    std::variant<std::string, double, int> expected; // int: the code that must be raised
};

std::variant<std::string, double, int> perform(FreeFormatReader& reader, Read::Kind kind) {
    try {
        switch (kind) {
        case Read::Line:
            return reader.line();
        case Read::Text:
            return reader.textField();
        case Read::Number:
            return reader.numberField();
        case Read::Value:
            return reader.valueOfLine();
        case Read::Count:
            return static_cast<double>(reader.countOfLine());
        }
    } catch (const RunTimeError& error) {
        return error.code();
    }
    return 0;
}

TEST(FreeFormatReader, ReadsLinesFieldsValuesAndCountsInOrder) {
    struct Case {
        std::string name;
        std::string contents;
        std::vector<Read> reads;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"CR LF, LF and a last line without ending",
         "one\r\ntwo\nthree",
         {{Read::Line, "one"}, {Read::Line, "two"}, {Read::Line, "three"}, {Read::Line, 62}}},
        {"a lone CR ends a line and a number",
         "one\rtwo\r\r3\r4",
         {{Read::Line, "one"},
          {Read::Line, "two"},
          {Read::Line, ""},
          {Read::Number, 3.0},
          {Read::Number, 4.0},
          {Read::Number, 62}}},
        {"empty lines are lines", "\r\n\r\nx", {{Read::Line, ""}, {Read::Line, ""}, {Read::Line, "x"}}},
        {"numbers end at blanks, commas and line ends",
         "1 2,3\r\n  4.5 , -6e-1\n",
         {{Read::Number, 1.0},
          {Read::Number, 2.0},
          {Read::Number, 3.0},
          {Read::Number, 4.5},
          {Read::Number, -0.6},
          {Read::Number, 62}}},
        {"empty and non-numeric items read 0",
         ",abc,12abc,+7,\n\nnext",
         {{Read::Number, 0.0},
          {Read::Number, 0.0},
          {Read::Number, 12.0},
          {Read::Number, 7.0},
          {Read::Number, 0.0},
          {Read::Number, 0.0},
          {Read::Line, "next"}}},
        {"a number field beyond a double overflows", "1e999\n", {{Read::Number, 6}}},
        {"quoted texts keep commas",
         "\"Benzene, total\", Toluene ,\"x\" junk, last\n",
         {{Read::Text, "Benzene, total"},
          {Read::Text, "Toluene"},
          {Read::Text, "x"},
          {Read::Text, "last"}}},
        {"a text field takes the rest of its line",
         "Monte Carlo\r\n5\r\n",
         {{Read::Text, "Monte Carlo"}, {Read::Number, 5.0}}},
        {"line() reads what a field left of its line",
         "1, rest of line\nnext\n",
         {{Read::Number, 1.0}, {Read::Line, " rest of line"}, {Read::Line, "next"}}},
        {"values follow the first colon, trimmed",
         "Model: One Dimensional \r\nTime: 10:20\r\nno delimiter\r\n",
         {{Read::Value, "One Dimensional"}, {Read::Value, "10:20"}, {Read::Value, ""}}},
        {"counts round halves to even and overflow beyond 16 bits",
         "N: 2.5\nN: 3.5 points\nN:\nN: 40000\n",
         {{Read::Count, 2.0}, {Read::Count, 4.0}, {Read::Count, 0.0}, {Read::Count, 6}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreeFormatReader reader(c.contents);
        for (std::size_t i = 0; i < c.reads.size(); ++i) {
            SCOPED_TRACE("read " + std::to_string(i));
            EXPECT_EQ(perform(reader, c.reads[i].kind), c.reads[i].expected);
        }
    }
}

TEST(FreeFormatReader, LineContainingStopsAtTheMarkerIncludingTheFirstLine) {
    FreeFormatReader reader("a [End Title]\nb\n");
    EXPECT_EQ(reader.lineContaining("[End Title]"), "a [End Title]");
    EXPECT_EQ(reader.line(), "b");

    FreeFormatReader missing("a\nb\n");
    EXPECT_EQ(codeOf([&] { missing.lineContaining("[End Comments]"); }),
              ErrorCode::InputPastEndOfFile);

    FreeFormatReader caseSensitive("[end title]\n[End Title]\n");
    EXPECT_EQ(caseSensitive.lineContaining("[End Title]"), "[End Title]");
}

TEST(FreeFormatReader, RefusesCountsTheRestOfTheFileCannotHold) {
    FreeFormatReader reader("Count: 30000\n1\n2\n3");
    reader.line();
    EXPECT_EQ(codeOf([&] { reader.requireRoomFor(3); }), 0); // "1\n2\n3" is 5 bytes
    EXPECT_EQ(codeOf([&] { reader.requireRoomFor(4); }), ErrorCode::InputPastEndOfFile);
    EXPECT_EQ(codeOf([&] { reader.requireRoomFor(30000); }), ErrorCode::InputPastEndOfFile);
    EXPECT_EQ(codeOf([&] { reader.requireRoomFor(0); }), 0);
}

// Only regular files are read: anything else is refused at once with the code of its cause.
TEST(FreeFormatReader, ReadsOnlyRegularFilesAndNamesWhyOthersAreRefused) {
    const testing::ScratchDirectory scratch("reader-kinds");
    const std::string fifo = scratch.path("pipe.one");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string endless = scratch.path("zero.one");
    fs::create_symlink("/dev/zero", endless);
    const std::string locked = scratch.path("locked.one");
    scratch.writeFile("locked.one", "1\n");
    fs::permissions(locked, fs::perms::none);
    const bool lockedIsUnreadable = !std::ifstream(locked).is_open(); // not so for root
    const std::string plain = scratch.path("plain.one");
    scratch.writeFile("plain.one", "7\r");

    const struct {
        std::string path;
        int code;
    } cases[] = {
        {"/nonexistent/dir/run.one", ErrorCode::FileNotFound},
        {scratch.path(), ErrorCode::IsDirectory},
        {fifo, ErrorCode::DeviceUnavailable},
        {endless, ErrorCode::DeviceUnavailable},
        {lockedIsUnreadable ? locked : "", ErrorCode::PermissionDenied},
        {plain, 0},
    };
    for (const auto& c : cases) {
        if (c.path.empty()) {
            continue;
        }
        SCOPED_TRACE(c.path);
        EXPECT_EQ(codeOf([&] { FreeFormatReader::fromFile(c.path); }), c.code);
    }
    FreeFormatReader reader = FreeFormatReader::fromFile(plain);
    EXPECT_EQ(reader.numberField(), 7.0);
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
} // namespace torval
