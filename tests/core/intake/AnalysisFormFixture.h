#pragma once
// A fresh program state, a recording prompter and one recording stand-in for everything the
// analysis window reaches beyond itself, with the form built on them: each test drives the
// form as a user would and reads back controls, state, messages and service calls.

#include "AppState.h"
#include "intake/AnalysisForm.h"
#include "intake/AnalysisServices.h"
#include "support/RecordingPrompter.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace torval::testing {

// The chemical choice, the printer, the help and the window closing are left out: no test here
// reaches them, and the form stops where a service it lacks would be called.
class RecordingServices : public NewApplicationDialog,
                          public DataFileLoader,
                          public MonteCarloWindow,
                          public RiskFileStore,
                          public ResultsViewer,
                          public EventPump,
                          public ResultFigures {
public:
    std::deque<std::int16_t> media;          // New Application answers; None is a cancel
    bool loads = true;                       // the data file choice
    std::function<void(AppState&)> fillData; // what a reader leaves in the data set
    int loadCalls = 0;
    int monteCarloShown = 0;
    std::vector<AnalysisEntry> offered; // what the Monte Carlo window was given
    std::string kind;
    std::map<std::string, std::string> assignments; // entry label -> text written back
    std::optional<std::string> riskFile;            // the file chosen to open
    std::function<void(AppState&)> fillRisk;        // what reading it leaves in the state
    std::vector<std::string> readPaths;
    std::vector<SaveCommand> saves;
    std::vector<std::string> viewed;
    int pumps = 0;
    std::function<void(int pump)> onPump; // the user acting between two evaluations

    AnalysisServices all() {
        return {.newApplication = this,
                .dataFiles = this,
                .monteCarlo = this,
                .riskFiles = this,
                .viewer = this,
                .events = this,
                .figures = this};
    }

    void show(AppState& state) override {
        state.MediumCode = media.front();
        media.pop_front();
    }
    bool chooseAndLoad(AppState& state) override {
        ++loadCalls;
        if (loads && fillData) {
            fillData(state);
        }
        return loads;
    }
    void show(AppState&, const std::vector<AnalysisEntry>& parameters,
              std::string_view calculationKind) override {
        ++monteCarloShown;
        offered = parameters;
        kind = std::string(calculationKind);
    }
    void applySelection(AppState&, std::vector<AnalysisEntry>& entries) override {
        for (AnalysisEntry& entry : entries) {
            if (const auto found = assignments.find(entry.label); found != assignments.end()) {
                entry.text = found->second;
            }
        }
    }
    std::optional<std::string> chooseFileToOpen(AppState&) override { return riskFile; }
    bool read(AppState& state, std::string_view path) override {
        readPaths.emplace_back(path);
        if (fillRisk) {
            fillRisk(state);
        }
        return true;
    }
    bool save(AppState& state, SaveCommand command) override {
        saves.push_back(command);
        state.riskInput.FileName = "/home/analyst/site.tvl";
        return true;
    }
    void viewResults(AppState&, std::string_view choice) override { viewed.emplace_back(choice); }
    void showSensitivity(AppState&) override { viewed.emplace_back("Sensitivity"); }
    void showRisk(AppState&) override { viewed.emplace_back("Risk"); }
    void exportIterations(AppState&) override { viewed.emplace_back("CSV"); }
    void pump() override {
        ++pumps;
        if (onPump) {
            onPump(pumps);
        }
    }
};

inline std::string reference(const std::string& mean, int variant) {
    return std::string(500, ' ') + "Monte Carlo|" + mean + ":" + std::to_string(variant);
}

// Public, so that the rows of a test table can drive it through lambdas.
class AnalysisFormTest : public ::testing::Test {
public:
    AppState state;
    RecordingPrompter prompter;
    RecordingServices services;
    std::unique_ptr<AnalysisForm> form;

    // Starts a table row afresh.
    void reset() {
        state = AppState();
        prompter = RecordingPrompter();
        services = RecordingServices();
    }

    // The window as New Application opens it on a typed-in concentration.
    void openInputMode() {
        state.MediumCode = Medium::Input;
        state.modelData.ModelName = "input";
        state.riskInput.ModelDataUsed = false;
        openWindow();
    }

    // Pumps before every evaluation, so that a test can act at any of them.
    void openWindow() {
        form = std::make_unique<AnalysisForm>(state, prompter, services.all());
        form->driver().setPumpInterval(std::chrono::nanoseconds(0));
        form->load();
    }

    // Focus, type, and leave for another control, as a user does.
    void type(int row, const std::string& text) {
        form->focusEntry(row);
        form->editEntry(row, text);
        form->focusElsewhere();
    }

    const std::string& text(int row) const { return form->row(row).text; }

    // The specified concentration and the drinking-water parameters, all typed.
    void typeDrinkingWater(const std::string& concentration, const std::string& wb = "70") {
        form->selectConcentration(2);
        type(12, concentration);
        type(14, "2");
        type(15, "365");
        type(16, "70");
        type(17, wb);
        type(18, "70");
    }

    // Variants 1..variants over iterations 1..iterations: variant x 1000 + iteration.
    void generate(int variants, int iterations) {
        state.SavedSimulatedValues.redim({1, variants}, {0, iterations}, {1, 1});
        for (int variant = 1; variant <= variants; ++variant) {
            for (int iteration = 1; iteration <= iterations; ++iteration) {
                state.SavedSimulatedValues.at(variant, iteration, 1) = variant * 1000 + iteration;
            }
        }
        state.MonteCarloCount = iterations + 1;
    }
};

// A two-dimensional groundwater data set over X = 0, 10, 20 and Y = 0, 5 (cells 10 X + Y).
inline void fillGroundwaterXY(AppState& state) {
    ModelDataSet& data = state.modelData;
    data.ModelName = "Groundwater";
    data.SubModelName = "Two Dimensional";
    data.DataFileName = "/data/site/plume.two";
    data.DataType = 7;
    data.XRange = "0:20:10";
    data.YRange = "0:5:5";
    data.NumX = 3;
    data.NumY = 2;
    data.XValues.redim({0, 3});
    data.YValues.redim({0, 2});
    data.ConcentrationGrid.redim({0, 3}, {0, 2});
    for (int i = 1; i <= 3; ++i) {
        data.XValues.at(i) = (i - 1) * 10.0;
        for (int j = 1; j <= 2; ++j) {
            data.YValues.at(j) = (j - 1) * 5.0;
            data.ConcentrationGrid.at(i, j) = data.XValues.at(i) * 10 + data.YValues.at(j);
        }
    }
    data.LengthUnit = "m";
    data.TimeUnit = "day";
    data.AverageConcentration = 102.5; // mean of 0, 5, 100, 105, 200, 205
    data.MaximumConcentration = 205.0;
    state.riskInput.ModelDataUsed = true;
}

} // namespace torval::testing
