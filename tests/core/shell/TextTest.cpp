#include "shell/Text.h"

#include "shell/TextEncoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace torval {
namespace {

struct FileNameCase {
    std::string path;
    std::string name;
};

TEST(Text, FileNameOfKeepsWhatFollowsTheLastSeparator) {
    const std::vector<FileNameCase> cases = {
        {R"(C:\dir\run.box)", "run.box"},
        {"C:", "C:"},              // the last character is always taken
        {R"(C:\dir\)", R"(dir\)"}, // even when it is a separator
        {"/home/ana/data/plume.gas", "plume.gas"},
        {R"(data/sub\mixed.one)", "mixed.one"},
        {"A:run.box", "run.box"},
        {"  C:\\dir\\run.box  ", "run.box"},
        {R"(C:\dir\  run.box)", "run.box"},
        {"/", "/"},
        {"", ""},
        {"   ", ""},
    };

    for (const FileNameCase& c : cases) {
        SCOPED_TRACE("\"" + c.path + "\"");
        EXPECT_EQ(FileNameOf(c.path), c.name);
    }
}

struct ValueAfterCase {
    std::string line;
    std::string delimiter;
    std::string value;
};

TEST(Text, ValueAfterTakesTheTrimmedRestAfterTheFirstDelimiter) {
    const std::vector<ValueAfterCase> cases = {
        {R"(TEXTEDITOR = C:\ed.exe)", "=", R"(C:\ed.exe)"},
        {"TEXTEDITOR C:\\ed.exe", "=", ""},
        {"a = b = c", "=", "b = c"},
        {"PLOTTER=", "=", ""},
        {"=first", "=", "first"},
        {"Chemical Name :: Benzene  ", "::", "Benzene"},
        {"Title: Value", "value", ""}, // case-sensitive
        {"Units value mg/l", "value", "mg/l"},
        {"key=\tx ", "=", "\tx"}, // only spaces are blanks
        {"", "=", ""},
    };

    for (const ValueAfterCase& c : cases) {
        SCOPED_TRACE("\"" + c.line + "\" after \"" + c.delimiter + "\"");
        EXPECT_EQ(ValueAfter(c.line, c.delimiter), c.value);
    }
}

// UTF-8 texts: the letters of Windows-1252 change case, everything else (signs, superscripts,
// letters without case, bytes that are not UTF-8) stays.
TEST(Text, CaseMappingCoversTheLettersOfWindows1252InUtf8) {
    EXPECT_EQ(upperCase("caf\u00e9-\u00fc/\u65e5\u672c.one \u00f7\u0161\u0153\u017e\u00ff"),
              "CAF\u00c9-\u00dc/\u65e5\u672c.ONE \u00f7\u0160\u0152\u017d\u0178");
    EXPECT_EQ(lowerCase("RUN.BOX \u00c9\u00d7\u0160\u0178"), "run.box \u00e9\u00d7\u0161\u00ff");
    EXPECT_EQ(upperCase("kg/m\u00b3 \xE9"), "KG/M\u00b3 \xE9");
}

// Files of the fixed formats: valid UTF-8 is taken as it is, anything else as Windows-1252;
// written texts go back to the code page when every character has a place in it.
TEST(Text, FileTextsAreUtf8InsideAndWindows1252WhereTheyFit) {
    struct Case {
        std::string file;
        std::string inside;
    };
    const std::vector<Case> cases = {
        {"cm\xB2", "cm\u00B2"},
        {"\x80 \x93\x94 \x9F", "\u20AC \u201C\u201D \u0178"},
        {"caf\xE9-\xDC", "caf\u00E9-\u00DC"},
        {"caf\u00E9-\u00DC/\u65E5\u672C.one", "caf\u00E9-\u00DC/\u65E5\u672C.one"},
        {"plain", "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inside);
        EXPECT_EQ(fromFileText(c.file), c.inside);
        EXPECT_EQ(fromFileText(toFileText(c.inside)), c.inside);
    }
    EXPECT_EQ(toFileText("caf\u00E9 cm\u00B2"), "caf\xE9 cm\xB2");
    EXPECT_EQ(toFileText("\u65E5 \u00E9"), "\u65E5 \u00E9"); // no place for 日: UTF-8
    EXPECT_EQ(fromFileText("\x81\xE9"), "\u0081\u00E9");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
}

} // namespace
} // namespace torval
