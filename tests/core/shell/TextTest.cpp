#include "shell/Text.h"

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
        {"run.box", "run.box"},
        {"C:", "C:"},              // the last character is always taken
        {R"(C:\dir\)", R"(dir\)"}, // even when it is a separator
        {"/home/ana/data/plume.gas", "plume.gas"},
        {R"(data/sub\mixed.one)", "mixed.one"},
        {"A:run.box", "run.box"},
        {"  C:\\dir\\run.box  ", "run.box"},
        {R"(C:\dir\  run.box)", "run.box"},
        {"/", "/"},
        {"x", "x"},
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

TEST(Text, CaseMappingCoversWindows1252Letters) {
    EXPECT_EQ(upperCase("run.box \xE9\xF7\x9A\xFF"), "RUN.BOX \xC9\xF7\x8A\x9F");
    EXPECT_EQ(lowerCase("RUN.BOX \xC9\xD7\x8A\x9F"), "run.box \xE9\xD7\x9A\xFF");
    EXPECT_EQ(upperCase("kg/m\xB3"), "KG/M\xB3"); // superscripts are not letters
}

} // namespace
} // namespace torval
