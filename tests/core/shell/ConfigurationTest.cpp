#include "shell/Configuration.h"

#include "shell/DesktopEnvironment.h"
#include "shell/Platform.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "support/CodeOf.h"
#include "support/RecordingPrompter.h"
#include "support/ScratchDirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace torval {
namespace {

using testing::codeOf;

using testing::RecordingPrompter;
using testing::ScratchDirectory;

std::string bytesOf(const std::string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every setting different, with the blanks, "=" and mixed case that a writer or reader could
// lose.
AppSettings distinctSettings() {
    AppSettings s;
    s.TextEditorPath = "/usr/bin/Gedit";
    s.TempDataPath = "/home/ann/Torval Temp";
    s.AirDataPath = "C:\\PLUMEX\\Air Data";
    s.GroundwaterDataPath = "/data/grndwatr=2";
    s.SurfaceDataPath = "/data/surface";
    s.PlantDataPath = "/data/plant";
    s.RiskDataPath = "/data/SampleDat";
    s.GraphProgramPath = "/opt/torval/charton/charton";
    return s;
}

// The file written replaces an older, longer one entirely; read back, it gives every setting
// and is written again to the same bytes.
TEST(Configuration, WriterProducesExactlyTheFifteenLinesAndReadingBackRewritesThem) {
    const ScratchDirectory dir("config");
    RecordingPrompter prompter;
    const std::string ini = dir.path("torval.ini");
    dir.writeFile("torval.ini", "an older, longer file that the writer must replace entirely\n");

    ASSERT_TRUE(WriteConfiguration(prompter, ini, distinctSettings()));

    const std::string written = bytesOf(ini);
    EXPECT_EQ(written, "[General]\r\n"
                       "TextEditor=/usr/bin/Gedit\r\n"
                       "TemporaryDataPath=/home/ann/Torval Temp\r\n"
                       "[Surface Model]\r\n"
                       "SurfacePath=/data/surface\r\n"
                       "[Plant and Animal Model]\r\n"
                       "plantPath=/data/plant\r\n"
                       "[Air Model]\r\n"
                       "AirDataPath=C:\\PLUMEX\\Air Data\r\n"
                       "[Ground Water Model]\r\n"
                       "GroundWaterDataPath=/data/grndwatr=2\r\n"
                       "[Risk Model]\r\n"
                       "TorvalPath=/data/SampleDat\r\n"
                       "[Graphics]\r\n"
                       "Graph=/opt/torval/charton/charton\r\n");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(prompter.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"torval.ini"});

    const AppSettings read = LoadConfiguration(ini);
    ASSERT_TRUE(WriteConfiguration(prompter, ini, read));

    EXPECT_EQ(read, distinctSettings());
    EXPECT_EQ(bytesOf(ini), written);
}

struct ReadingCase {
    std::string what;
    std::string file;
    AppSettings expected;
};

AppSettings with(std::string AppSettings::*setting, std::string value, AppSettings s = {}) {
    s.*setting = std::move(value);
    return s;
}

TEST(Configuration, ReaderFindsKeyWordsAnywhereInTheLineInTheirOrderAndTheLastLineWins) {
    using S = AppSettings;
    const std::string reordered = "[Graphics]\r\nGraph=/g\r\n[Risk Model]\r\nTorvalPath=/r\r\n"
                                  "[Air Model]\r\nAirDataPath=/a\r\n[General]\r\n"
                                  "TemporaryDataPath=/t\r\nTextEditor=/e\r\n"
                                  "[Plant and Animal Model]\r\nplantPath=/p\r\n"
                                  "[Ground Water Model]\r\nGroundWaterDataPath=/w\r\n"
                                  "[Surface Model]\r\nSurfacePath=/s\r\n";
    const AppSettings all{"/e", "/t", "/a", "/w", "/s", "/p", "/r", "/g"};
    // clang-format off
    const std::vector<ReadingCase> cases = {
        {"sections in another order", reordered, all},
        {"line feeds alone end lines too",
         "[General]\nTextEditor=/e\nTemporaryDataPath=/t\nAirDataPath=/a\n"
         "GroundWaterDataPath=/w\nSurfacePath=/s\nplantPath=/p\nTorvalPath=/r\nGraph=/g",
         all},
        {"carriage returns alone end lines too",
         "[General]\rTextEditor=/e\rTemporaryDataPath=/t\rAirDataPath=/a\r"
         "GroundWaterDataPath=/w\rSurfacePath=/s\rplantPath=/p\rTorvalPath=/r\rGraph=/g\r",
         all},
        {"the [Graphics] line empties the graph program until Graph= sets it again", "Graph=/old\r\n[Graphics]\r\n", S{}},
        {"the [Graphics] line before Graph=", "[Graphics]\r\nGraph=/g\r\n", with(&S::GraphProgramPath, "/g")},
        {"TEXTEDITOR inside a temporary path sets the editor",
         "TemporaryDataPath=C:\\TEXTEDITOR\\TMP\r\n",
         with(&S::TextEditorPath, "C:\\TEXTEDITOR\\TMP")},
        {"blanks around = are dropped", "AirDataPath   =   /data/air   \r\n", with(&S::AirDataPath, "/data/air")},
        {"a key without = empties its setting", "AirDataPath=/a\r\nAirDataPath /b\r\n", S{}},
        {"the last line of a key wins", "TorvalPath=/first\r\nTorvalPath=/second\r\n", with(&S::RiskDataPath, "/second")},
        {"key words in any case, value case kept", "  textEDITOR = /usr/bin/Kate\r\n",
         with(&S::TextEditorPath, "/usr/bin/Kate")},
        {"the value runs from the first =", "GroundWaterDataPath=/w=2\r\n", with(&S::GroundwaterDataPath, "/w=2")},
        {"lines without key words are ignored", "; notes\r\n\r\n[Surface Model]\r\nPLUMEX\r\n", S{}},
        {"binary bytes around an entry",
         std::string("\0\x01\xff\r\x7f", 5) + "\nGraph=/g\n" + std::string(3, '\0'),
         with(&S::GraphProgramPath, "/g")},
    };
    // clang-format on
    const ScratchDirectory dir("config");
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.what);
        dir.writeFile("torval.ini", c.file);
        EXPECT_EQ(LoadConfiguration(dir.path("torval.ini")), c.expected);
    }
}

TEST(Configuration, AFileBeyondTheSizeLimitKeepsItsWholeEarlyLinesAndRaises62) {
    const ScratchDirectory dir("config");
    std::string file = "TextEditor=/e\r\n";
    const std::string straddling = "AirDataPath=/cut-by-the-limit\r\n";
    file += std::string(MaxConfigurationBytes - file.size() - straddling.size() / 2, 'x') + "\n";
    file += straddling + "Graph=/beyond\r\n";
    dir.writeFile("torval.ini", file);

    AppSettings settings;
    EXPECT_EQ(codeOf([&] { readConfigurationInto(dir.path("torval.ini"), settings); }),
              ErrorCode::InputPastEndOfFile);
    EXPECT_EQ(settings, with(&AppSettings::TextEditorPath, "/e"));

    // A file of exactly the limit is read whole, its last line too.
    file = "TextEditor=/e\r\n" + std::string(MaxConfigurationBytes - 24, 'x') + "\nGraph=/g";
    ASSERT_EQ(file.size(), MaxConfigurationBytes);
    dir.writeFile("torval.ini", file);
    AppSettings whole = with(&AppSettings::TextEditorPath, "/e");
    whole.GraphProgramPath = "/g";
    EXPECT_EQ(LoadConfiguration(dir.path("torval.ini")), whole);
}

TEST(Configuration, AFileThatCannotBeOpenedRaisesItsCause) {
    const ScratchDirectory dir("config");
    EXPECT_EQ(codeOf([&] { LoadConfiguration(dir.path("missing.ini")); }), ErrorCode::FileNotFound);
    EXPECT_EQ(codeOf([&] { LoadConfiguration(dir.path()); }), ErrorCode::IsDirectory);
    // A pipe is refused at once instead of waiting for a writer.
    ASSERT_EQ(::mkfifo(dir.path("pipe.ini").c_str(), 0600), 0);
    EXPECT_EQ(codeOf([&] { LoadConfiguration(dir.path("pipe.ini")); }),
              ErrorCode::DeviceUnavailable);
}

// A sink over the real temporary file that takes only the first `limit` bytes, as a disk that
// fills up does; or, with failOnClose, takes everything and fails to flush.
class FillingSink : public ByteSink {
public:
    FillingSink(std::unique_ptr<ByteSink> file, std::size_t limit, bool failOnClose)
        : file_(std::move(file)), left_(limit), failOnClose_(failOnClose) {}

    bool write(std::string_view bytes) override {
        const std::size_t taken = std::min(bytes.size(), left_);
        left_ -= taken;
        return file_->write(bytes.substr(0, taken)) && taken == bytes.size();
    }
    bool close() override { return file_->close() && !failOnClose_; }

private:
    std::unique_ptr<ByteSink> file_;
    std::size_t left_;
    bool failOnClose_;
};

SinkOpener fillingAfter(std::size_t limit, bool failOnClose = false) {
    return [=](const std::string& path, const std::string& model) -> std::unique_ptr<ByteSink> {
        return std::make_unique<FillingSink>(openFileSink(path, model), limit, failOnClose);
    };
}

struct FailedWriteCase {
    std::string what;
    SinkOpener opener;
};

TEST(Configuration, AFailedWriteLeavesThePreviousFileByteIdenticalAndReportsDiskFull) {
    const std::size_t fullSize = configurationText(distinctSettings()).size();
    const std::vector<FailedWriteCase> cases = {
        {"no byte fits", fillingAfter(0)},
        {"half of the file fits", fillingAfter(fullSize / 2)},
        {"all but the last byte fit", fillingAfter(fullSize - 1)},
        {"every byte fits but the flush fails", fillingAfter(fullSize, true)},
    };
    const ScratchDirectory dir("config");
    const std::string ini = dir.path("torval.ini");
    const std::string previous = "[General]\r\nTextEditor=/previous\r\n";
    for (const FailedWriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        dir.writeFile("torval.ini", previous);
        RecordingPrompter prompter;

        EXPECT_FALSE(WriteConfiguration(prompter, ini, distinctSettings(), c.opener));

        EXPECT_EQ(bytesOf(ini), previous);
        EXPECT_EQ(dir.names(), std::vector<std::string>{"torval.ini"});
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].title, "Save Emission's File Error");
        EXPECT_EQ(prompter.messages[0].text,
                  "No space left on the device.\r\r" + upperCase(ini) +
                      " cannot be saved. Please make sure there is enough free space on the disk "
                      "before saving this file.");
        EXPECT_FALSE(prompter.isBusy());
    }
}

} // namespace
} // namespace torval
