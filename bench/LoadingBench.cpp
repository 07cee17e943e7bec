// Loading a large three-dimensional groundwater file (about 1,000,000 grid values, 20 MB),
// written once per run with the sample generator's own code, beside a loop that only converts
// the same numbers with std::from_chars from a text already in memory. The ratio of the two
// times is the reader's overhead over the bare parsing; the bytes per second are the file's.
#include "GroundwaterSampleFiles.h"
#include "datafiles/FreeFormatReader.h"
#include "datafiles/ModelDataSetOps.h"
#include "datafiles/SurfaceWaterFileReader.h"
#include "intake/DataFileLoading.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <charconv>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr long GridValues = 1'000'000;

double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// Removes its directory when the program ends.
class LargeFile {
public:
    LargeFile()
        : directory_(fs::temp_directory_path() /
                     ("torval-loading-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(directory_);
        path_ = directory_ / "large.tri";
        torval::sampledata::writeLargeGroundwaterFile(path_, GridValues);
        std::ifstream in(path_, std::ios::binary);
        text_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ~LargeFile() {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    LargeFile(const LargeFile&) = delete;
    LargeFile& operator=(const LargeFile&) = delete;

    const fs::path& path() const { return path_; }
    const std::string& text() const { return text_; }

private:
    fs::path directory_;
    fs::path path_;
    std::string text_;
};

const LargeFile& largeFile() {
    static const LargeFile file;
    return file;
}

class SilentPrompter : public torval::Prompter {
public:
    int shown = 0;
    torval::MessageAnswer show(const torval::Message&) override {
        ++shown;
        return torval::MessageAnswer::Ok;
    }
    void setBusy(bool) override {}
};

void BM_LoadDataFile(benchmark::State& run) {
    const LargeFile& file = largeFile();
    const torval::DataFileReaders readers = torval::DataFileReaders::standard();
    std::int64_t cells = 0;
    for (auto _ : run) {
        torval::AppState state;
        state.MediumCode = torval::Medium::Groundwater;
        torval::ResetModelDataSet(state.modelData);
        state.modelData.ModelName = "Groundwater";
        SilentPrompter prompter;
        if (!torval::LoadDataFile(state, prompter, readers, file.path().string()) ||
            prompter.shown != 0) {
            run.SkipWithError("the large file was refused");
            return;
        }
        const torval::ModelDataSet& data = state.modelData;
        cells = std::int64_t{data.NumX} * data.NumY * data.NumZ * data.NumT;
        benchmark::DoNotOptimize(data.AverageConcentration);
    }
    run.SetBytesProcessed(run.iterations() * static_cast<std::int64_t>(file.text().size()));
    run.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_LoadDataFile)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

// Every number of the text after the header, as a reader with nothing else to do would take
// them: skip to the next character that can start a number, convert, go on after it.
void BM_FromCharsOnly(benchmark::State& run) {
    const std::string& text = largeFile().text();
    const std::size_t start = text.find("[Begin Model Results]");
    const char* const end = text.data() + text.size();
    std::int64_t numbers = 0;
    for (auto _ : run) {
        double sum = 0.0;
        numbers = 0;
        const char* p = text.data() + start;
        while (p < end) {
            const char c = *p;
            if ((c >= '0' && c <= '9') || c == '-' || c == '.') {
                double value = 0.0;
                const auto [next, failure] = std::from_chars(p, end, value);
                if (failure == std::errc()) {
                    sum += value;
                    ++numbers;
                    p = next;
                    continue;
                }
            }
            ++p;
        }
        benchmark::DoNotOptimize(sum);
    }
    run.SetBytesProcessed(run.iterations() * static_cast<std::int64_t>(text.size()));
    run.counters["numbers"] = static_cast<double>(numbers);
}
BENCHMARK(BM_FromCharsOnly)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);

// A hostile surface-water file: a lake box model that claims 32,767 inflow pairs and writes
// their 65,534 fields on one line, followed by 1 MB more on that line. Reading must stay linear
// in the file's size: each field may look only at its own bytes.
std::string longLineSurfaceFile() {
    std::string text = "TEST SURFACE FILE\r\n[Begin Surface Model Data File]\r\n"
                       "Far-Field Mixing\r\nSmall Lakes (Box Model)\r\n"
                       "0.001, Inflow Concentration (kg/m3)\r\nNumber of Inflows, 32767\r\n"
                       "1, 2\r\n7\r\n0:100:100\r\n0.00077\r\n";
    for (int field = 0; field < 65'534; ++field) {
        text += "p,";
    }
    text.append(std::size_t{1} << 20, 'x');
    text += "\r\nOutflow 3.7 m3/s\r\nEvaporation 0 m3/s\r\nSeepage 0 m3/s\r\n";
    return text;
}

void BM_LongLineSurfaceFile(benchmark::State& run) {
    const std::string text = longLineSurfaceFile();
    bool loaded = false;
    for (auto _ : run) {
        torval::FreeFormatReader reader(text);
        torval::ModelDataSet data;
        try { // loaded or refused, either way at once
            loaded = torval::ReadSurfaceWaterData(reader, data);
        } catch (const std::exception&) {
            loaded = false;
        }
        benchmark::DoNotOptimize(data.ModelResult);
    }
    run.SetBytesProcessed(run.iterations() * static_cast<std::int64_t>(text.size()));
    run.counters["loaded"] = loaded ? 1.0 : 0.0;
}
BENCHMARK(BM_LongLineSurfaceFile)->Unit(benchmark::kMillisecond);

} // namespace
