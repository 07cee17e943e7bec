#pragma once
// The one program state. It is created once for the life of the program (and fresh in every
// test) and passed by reference to whatever needs it: the command handlers of the windows and
// of the command-line program, the calculation, the file readers and writers and the reports.
// Nothing else keeps program-wide state.
//
// It owns where the program lives and how it is configured, the choices that steer the current
// analysis, the input of that analysis, the loaded transport-model data, the saved Monte Carlo
// values the calculation draws on, and the results of the last calculation.
//
// Flags are bool here. The program's files and displays know a true flag as -1; that
// translation belongs to whoever reads or writes them, never to this state.

#include "datafiles/ModelDataSet.h"
#include "intake/RiskInput.h"
#include "montecarlo/MonteCarloTables.h"
#include "shell/AppSettings.h"
#include "shell/BoundedArray.h"

#include <cstdint>
#include <string>

namespace torval {

// Where the concentration of a new analysis comes from; the values of MediumCode.
namespace Medium {
inline constexpr std::int16_t None = -1; // nothing chosen yet, or the choice was cancelled
inline constexpr std::int16_t Input = 0; // typed in by the user, no data file
inline constexpr std::int16_t Air = 1;
inline constexpr std::int16_t Groundwater = 2; // single species
inline constexpr std::int16_t SurfaceNearField = 3;
inline constexpr std::int16_t SurfaceFarField = 4;
inline constexpr std::int16_t SurfaceSediment = 5;
inline constexpr std::int16_t GroundwaterMultipleSpecies = 6;
} // namespace Medium

// The values of AnalysisState, which decide what the analysis window allows.
namespace Analysis {
inline constexpr std::int16_t Saved = 1;      // saved, or opened from a risk data file
inline constexpr std::int16_t Calculated = 2; // calculated but not saved
inline constexpr std::int16_t Changed = 3;    // inputs changed since the last calculation
} // namespace Analysis

struct AppState {
    // Where the program runs. Paths carry no trailing separator, except WindowsDirectory (the
    // system's program directory), which always ends in one because names are appended to it.
    std::string AppPath;
    std::string StartDirectory; // AppPath as it was at start-up
    std::string WindowsDirectory;
    std::string IniFilePath;

    // The configuration, and the command-line prefix of the plotting utility built from it
    // (its path and one blank).
    torval::AppSettings AppSettings;
    std::string GraphCommand;

    std::int16_t MediumCode = Medium::None;
    std::int16_t LastMediumOption = Medium::Groundwater; // preselected in New Application
    std::int16_t AnalysisState = Analysis::Changed;
    bool RiskFileOpened = false;   // the analysis came from a risk data file
    std::string SelectedDirectory; // the directory browser's answer, or its cancel text

    // The chemical the Monte Carlo window works on and how many the data offer.
    std::int16_t MCCurrentChemical = 1;
    std::int16_t MCChemicalCount = 1;

    RiskInput riskInput;
    ModelDataSet modelData;

    // The Monte Carlo tables the Monte Carlo window works on, indexed (row, chemical); the
    // generated values (variant row, iteration, chemical); the series of one variant as the
    // generator returns it (element 0 unused).
    std::int16_t MCInputRowCount = 0;
    std::int16_t MCResultRowCount = 0;
    BoundedArray<MonteCarloVariant, 2> InputTGData;
    BoundedArray<MonteCarloResult, 2> ResultTGData;
    BoundedArray<double, 3> SimulatedValues;
    BoundedArray<float, 1> GeneratedSeries;
    bool MCDataKept = false;          // the window found rows in the tables when it opened
    bool SimulationGenerated = false; // a generation ran to its end since the window opened
    // How the next generation draws its values; a choice of the session, never saved.
    MonteCarloSampling Sampling = MonteCarloSampling::Random;

    // The saved copies the analysis window, the calculation and the risk data file read. The
    // saved MonteCarloCount is ResultCount.
    std::int16_t SavedMCInputRowCount = 0;
    std::int16_t SavedMCResultRowCount = 0;
    BoundedArray<MonteCarloVariant, 2> SavedInputTGData;
    BoundedArray<MonteCarloResult, 2> SavedResultTGData;
    BoundedArray<double, 3> SavedSimulatedValues;

    // Intake of each evaluation in mg/(kg-day); element 0 is never written.
    BoundedArray<double, 1> IntakeResults;
    std::int32_t ResultCount = 0;     // 2 after a regular calculation
    std::int32_t MonteCarloCount = 0; // Monte Carlo iterations plus one
    bool ResultsOutdated = false;     // the shown results come from an unfinished calculation
    bool StopRequested = false;       // set by the Stop button, read once per evaluation
};

} // namespace torval
