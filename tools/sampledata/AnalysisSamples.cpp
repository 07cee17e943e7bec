// Writes the sample analyses shipped under data/SampleDat. Each is prepared the way an analyst
// would prepare it, through the analysis window's model (and the Monte Carlo window's for the
// stochastic one), calculated, and saved by the program's own risk data file writer.
//
// Run from the repository root, so that the data file names saved in the analyses are the
// relative names of the shipped transport-model files:
//   build/<dir>/tools/sampledata/AnalysisSamples data/SampleDat

#include "AppState.h"
#include "analysisfile/RiskDataFile.h"
#include "intake/AnalysisForm.h"
#include "intake/DataFileLoading.h"
#include "intake/Pathways.h"
#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloExchange.h"
#include "shell/FileDialogs.h"
#include "stogen/GeneratorRequest.h"
#include "stogen/SeedControl.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace torval;

// Any message means the sample would not be what it claims to be.
class FailingPrompter : public Prompter {
public:
    MessageAnswer show(const Message& message) override {
        throw std::runtime_error(message.title + ": " + message.text);
    }
    void setBusy(bool) override {}
};

class MediumChoice : public NewApplicationDialog {
public:
    MediumChoice(std::int16_t medium, std::string modelName)
        : medium_(medium), modelName_(std::move(modelName)) {}
    void show(AppState& state) override {
        state.MediumCode = medium_;
        state.modelData.ModelName = modelName_;
    }

private:
    std::int16_t medium_;
    std::string modelName_;
};

class GivenFile : public FileDialogs, public DataFileLoader {
public:
    GivenFile(std::string path, Prompter& prompter) : path_(std::move(path)), prompter_(prompter) {}
    std::optional<std::string> openFile(const FileChoice&) override { return path_; }
    std::optional<std::string> saveFile(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> browseDirectory(const DirectoryChoice&) override {
        return std::nullopt;
    }
    bool chooseAndLoad(AppState& state) override {
        return OpenModelDataFile(state, *this, prompter_, DataFileReaders::standard());
    }

private:
    std::string path_;
    Prompter& prompter_;
};

// The concentration and the first parameter of the pathway varied over their whole series.
class TwoVariants : public MonteCarloPresenter {
public:
    void present(MonteCarloForm& form) override {
        const std::vector<std::string>& names = form.parameters().names;
        const std::vector<std::vector<std::string>> rows = {
            {names.at(0), "", "0.01", "0.2", "0.0009", "1000", "Lognormal"},
            {names.at(1), "", "1", "4", "0.25", "", "Normal"}};
        for (int row = 1; row <= 2; ++row) {
            for (int column = 0; column < InputColumn::Count; ++column) {
                if (!rows[row - 1][column].empty()) {
                    form.commitInputCell(row, column, rows[row - 1][column]);
                }
            }
        }
        form.GenerateCommand();
        form.ResultDoubleClick(1, ResultColumn::Variant);
        form.ResultDoubleClick(2, ResultColumn::Variant);
        form.ExitCommand();
    }
};

void type(AnalysisForm& form, int row, const std::string& text) {
    form.focusEntry(row);
    form.editEntry(row, text);
    form.focusElsewhere();
}

void typeParameters(AnalysisForm& form, int pathway, const std::vector<std::string>& values) {
    form.selectPathway(pathway);
    int row = pathwayInfo(pathway).firstRow();
    for (const std::string& value : values) {
        type(form, row++, value);
    }
}

struct Sample {
    std::string fileName;
    std::int16_t medium;
    std::string modelName;
    std::string dataFile; // "" for input mode
    void (*prepare)(AnalysisForm& form);
};

void drinkingWater(AnalysisForm& form) {
    form.selectConcentration(2);
    type(form, 12, "0.05");
    typeParameters(form, 0, {"2", "350", "30", "70", "25550"});
}

void groundwaterIntervals(AnalysisForm& form) {
    type(form, 6, "50:100");
    type(form, 7, "-10:10");
    type(form, 8, "0:2");
    type(form, 9, "2000:3000");
    form.selectConcentration(0);
    typeParameters(form, 0, {"2", "350", "30", "70", "25550"});
}

void monteCarloDrinkingWater(AnalysisForm& form) {
    drinkingWater(form);
    form.MonteCarloCommand();
}

void airInhalation(AnalysisForm& form) {
    form.selectConcentration(1);
    typeParameters(form, 5, {"0.83", "24", "350", "30", "70", "25550"});
}

int writeSample(const Sample& sample, const std::filesystem::path& directory) {
    AppState state;
    FailingPrompter prompter;
    MediumChoice medium(sample.medium, sample.modelName);
    GivenFile file(sample.dataFile, prompter);
    TwoVariants variants;
    MonteCarloExchange exchange(prompter, &monteCarlo, &variants);
    AnalysisServices services;
    services.newApplication = &medium;
    services.dataFiles = &file;
    services.monteCarlo = &exchange;
    AnalysisForm form(state, prompter, services);
    form.load();
    form.NewCommand();
    sample.prepare(form);
    form.CalculationCommand();
    if (state.ResultsOutdated) {
        std::cerr << sample.fileName << ": the calculation did not complete\n";
        return 1;
    }
    const std::string path = (directory / sample.fileName).string();
    if (!WriteRiskDataFile(state, prompter, path)) {
        return 1;
    }
    std::cout << path << ": " << state.riskInput.ResultText << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: AnalysisSamples OUTPUT_DIRECTORY (run from the repository root)\n";
        return 2;
    }
    torval::stogen::internal::reseed(20261205);
    const std::vector<Sample> samples = {
        {"drinking-water-input.tvl", Medium::Input, "Input", "", drinkingWater},
        {"pce-plume-drinking-water.tvl", Medium::Groundwater, "Groundwater",
         "data/PLUMEXData/grndwatr/pce-plume.tri", groundwaterIntervals},
        {"drinking-water-monte-carlo.tvl", Medium::Input, "Input", "", monteCarloDrinkingWater},
        {"stack-gas-inhalation.tvl", Medium::Air, "Air", "data/PLUMEXData/air/stack.gas",
         airInhalation},
    };
    try {
        for (const Sample& sample : samples) {
            if (writeSample(sample, argv[1]) != 0) {
                return 1;
            }
        }
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}
