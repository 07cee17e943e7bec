#include "SampleFile.h"

#include "shell/NumberText.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

namespace torval::sampledata {

SampleFile& SampleFile::line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
    return *this;
}

void SampleFile::save(const std::filesystem::path& file) const {
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path());
    }
    std::ofstream out(file, std::ios::binary);
    out << text_;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::string number(double value) {
    return generalText(value);
}

std::string numberList(const std::vector<double>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i == 0 ? "" : ", ") + number(values[i]);
    }
    return text;
}

int runGenerator(int argc, char** argv, void (*write)(const std::filesystem::path& directory)) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " DIRECTORY\n";
        return 2;
    }
    try {
        write(argv[1]);
        return 0;
    } catch (const std::exception& failure) {
        std::cerr << argv[0] << ": " << failure.what() << '\n';
        return 1;
    }
}

} // namespace torval::sampledata
