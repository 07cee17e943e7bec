#pragma once
// What every sample generator shares: writing a file of CR LF lines, and the number form the
// model files use.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace torval::sampledata {

// Collects lines and writes them with CR LF endings.
class SampleFile {
public:
    SampleFile& line(std::string_view text = {});
    // Writes the file, creating its directory; throws std::runtime_error on failure.
    void save(const std::filesystem::path& file) const;
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A number as the model files write it: the general text form (up to 15 significant digits).
std::string number(double value);

// Values joined with ", ".
std::string numberList(const std::vector<double>& values);

// Runs `write(directory)` for the directory given as the only argument; prints usage and
// returns 2 otherwise, 1 when writing fails.
int runGenerator(int argc, char** argv, void (*write)(const std::filesystem::path& directory));

} // namespace torval::sampledata
