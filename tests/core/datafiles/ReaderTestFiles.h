#pragma once
// What the transport-model reader tests share: fixture and sample files, the prefixes of a
// file cut at its line ends, the values and cells a read data set uses, and the run-time code
// an action raises.

#include "datafiles/AxisFields.h"
#include "datafiles/ConcentrationGrid.h"
#include "datafiles/ModelDataSet.h"
#include "shell/BoundedArray.h"
#include "support/CodeOf.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace torval::testing {

inline std::filesystem::path testDataDirectory() {
    return TORVAL_TEST_DATA;
}

// The shipped sample files of a model family ("air", "surface").
inline std::filesystem::path sampleDirectory(const std::string& family) {
    return testDataDirectory().parent_path().parent_path() / "data" / "PLUMEXData" / family;
}

inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Regular files of the directory in name order; none when it does not exist.
inline std::vector<std::filesystem::path> filesIn(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(directory)) {
        for (const auto& entry : std::filesystem::directory_iterator(directory)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The numbers of a text separated by blanks ("0 100 200"), for compact table rows.
inline std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (double value = 0; in >> value;) {
        values.push_back(value);
    }
    return values;
}

// Every element of a one-dimensional array, from its lower bound to its upper.
template <typename Array>
std::vector<double> allValues(const Array& values) {
    std::vector<double> all;
    for (auto i = values.lower(); i <= values.upper(); ++i) {
        all.push_back(values.at(i));
    }
    return all;
}

// Values 1..N of an axis or series.
inline std::vector<double> usedValues(const BoundedArray<double, 1>& values, int count) {
    std::vector<double> used;
    for (int i = 1; i <= count; ++i) {
        used.push_back(values.at(i));
    }
    return used;
}

// Coordinates 1..N of the axes X, Y, Z and T, as blank-separated numbers, and their arrays
// sized from 0; an empty text is not checked.
inline void expectAxes(const ModelDataSet& data, const std::array<std::string, 4>& axes) {
    for (std::size_t a = 0; a < axes.size(); ++a) {
        const Axis axis = std::array{Axis::X, Axis::Y, Axis::Z, Axis::T}[a];
        if (!axes[a].empty()) {
            EXPECT_EQ(usedValues(axisValuesOf(data, axis), pointCountOf(data, axis)),
                      numbers(axes[a]))
                << "axis " << a;
            EXPECT_EQ(axisValuesOf(data, axis).lower(), 0) << "axis " << a;
        }
    }
}

// The cells 1..N of every axis of the layout of a data set or record, the first index varying
// slowest.
template <typename Record>
std::vector<double> gridCells(const Record& data) {
    ConcentrationGrid::CellSelection cells;
    for (const Axis axis : LayoutAxes(data.DataType)) {
        cells.push_back(ConcentrationGrid::indexesUpTo(pointCountOf(data, axis)));
    }
    std::vector<double> values;
    if (!cells.empty()) {
        data.ConcentrationGrid.forEachCell(cells, [&](double cell) { values.push_back(cell); });
    }
    return values;
}

inline bool isBrokenFixture(const std::filesystem::path& path) {
    return path.filename().string().starts_with("broken-");
}

// The text cut after each line end, the empty text first and the whole text last.
inline std::vector<std::string> lineEndPrefixes(const std::string& text) {
    std::vector<std::string> prefixes{""};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            prefixes.push_back(text.substr(0, i + 1));
        }
    }
    if (prefixes.back().size() != text.size()) {
        prefixes.push_back(text);
    }
    return prefixes;
}

// Calls check(file, prefix, whole, sample) for every prefix (lineEndPrefixes) of every shipped
// sample of the family, then of every fixture of the directory.
template <typename Check>
void forEveryPrefix(const std::filesystem::path& fixtures, const std::string& family,
                    std::size_t minimumSamples, Check check) {
    std::vector<std::filesystem::path> files = filesIn(sampleDirectory(family));
    const std::size_t samples = files.size();
    ASSERT_GE(samples, minimumSamples);
    for (const auto& fixture : filesIn(fixtures)) {
        files.push_back(fixture);
    }
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::string text = fileText(files[f]);
        for (const std::string& prefix : lineEndPrefixes(text)) {
            SCOPED_TRACE(files[f].filename().string() + " cut at byte " +
                         std::to_string(prefix.size()));
            check(files[f], prefix, prefix.size() == text.size(), f < samples);
        }
    }
}

// The text with every line end (CR LF, LF or a lone CR) written as `ending`.
inline std::string withLineEnds(const std::string& text, const std::string& ending) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += ending;
            i += text.compare(i, 2, "\r\n") == 0 ? 1 : 0;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The text with its first `find` replaced; the fixture must hold `find`.
inline std::string withReplaced(std::string text, const std::string& find,
                                const std::string& replacement) {
    const auto at = text.find(find);
    if (at == std::string::npos) {
        throw std::logic_error("fixture lacks \"" + find + "\"");
    }
    return text.replace(at, find.size(), replacement);
}

} // namespace torval::testing
