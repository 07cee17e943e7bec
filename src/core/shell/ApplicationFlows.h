#pragma once
// File > New Application and File > Open Application of the main window, over the program
// state. What needs a window (the medium dialog, the file choice and loading, the analysis
// window) comes in through the small interfaces below, so the main window only implements them
// and calls these functions, and tests drive the flows with fakes.
//
// Failures of the hooks are not caught here: the main window's command handler reports them
// with no file name and ends the command. Each step acts on what the one before it left, so
// there is no sensible statement to go on with after a failed one.

#include "AppState.h"

#include <functional>
#include <string_view>

namespace torval {

class NewApplicationDialog {
public:
    virtual ~NewApplicationDialog() = default;
    // Shows the medium choice modally (see NewForm); on return MediumCode holds the answer,
    // Medium::None when the user cancelled.
    virtual void show(AppState& state) = 0;
};

class DataFileLoader {
public:
    virtual ~DataFileLoader() = default;
    // Lets the user choose a transport-model file of the medium in MediumCode and loads it into
    // the data set; false when nothing was loaded (cancelled, unrecognised or unreadable, which
    // the loader has already told the user about).
    virtual bool chooseAndLoad(AppState& state) = 0;
};

class RiskFileOpener {
public:
    virtual ~RiskFileOpener() = default;
    // Lets the user choose a risk data file (*.tvl) and reads the analysis in it into the
    // state; false when no file was read.
    virtual bool chooseAndRead(AppState& state) = 0;
};

class AnalysisWindow {
public:
    virtual ~AnalysisWindow() = default;
    // Shows the analysis window on the state's current analysis.
    virtual void show(AppState& state) = 0;
};

// Starts a new analysis on a medium the user picks: typed-in concentration, or a transport-model
// file. A cancelled medium choice leaves the current analysis alone (MediumCode is then
// Medium::None); a cancelled file choice shows no analysis window, but the input has been
// cleared by then. True when the analysis window was shown.
bool NewApplication(AppState& state, NewApplicationDialog& dialog, DataFileLoader& loader,
                    AnalysisWindow& window);

// Continues an analysis saved in a risk data file. True when the analysis window was shown.
bool OpenApplication(AppState& state, RiskFileOpener& opener, AnalysisWindow& window);

// Open Application on a file already named (the program's command line): `read` reads it into
// the state and reports its own failures. True when the analysis window was shown.
bool OpenApplication(AppState& state, std::string_view path,
                     const std::function<bool(AppState&, std::string_view)>& read,
                     AnalysisWindow& window);

} // namespace torval
