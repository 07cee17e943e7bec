#pragma once
// The desktop program put together: the program state's windows, the Qt implementations of the
// core's interfaces, and the hooks through which the main window's commands open the other
// windows. It runs start-up (the disclaimer included) and then shows the main window.

#include "AppState.h"
#include "analysisfile/RiskFileService.h"
#include "montecarlo/MonteCarloExchange.h"
#include "reports/ResultsViewing.h"
#include "shell/ApplicationFlows.h"
#include "shell/MainForm.h"
#include "ui/ChemicalSelectionDialog.h"
#include "ui/MonteCarloDialog.h"
#include "ui/PrinterChoice.h"
#include "ui/QtEventPump.h"
#include "ui/QtFileDialogs.h"
#include "ui/QtLauncher.h"
#include "ui/QtPrompter.h"
#include "ui/QtReportPrinter.h"
#include "ui/QtResultFigures.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace torval {

class HelpWindow;
class MainWindow;
class RiskAnalysis;

struct DesktopOptions {
    // The program's directory and the one standing in for the Windows directory; unset means
    // those of the running program and this system.
    std::optional<std::string> programDirectory;
    std::optional<std::string> systemDirectory;
    // File > Exit TORVAL; unset ends the event loop at once.
    std::function<void()> exitNow;
    // The file choices of every window; unset means the Qt dialogs (tests script them).
    FileDialogs* fileDialogs = nullptr;
};

class DesktopProgram : public NewApplicationDialog,
                       public DataFileLoader,
                       public PreferencesOpener,
                       public HelpDesk,
                       public ApplicationExit {
public:
    explicit DesktopProgram(AppState& state, DesktopOptions options = {});
    ~DesktopProgram() override;
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    // Start-up, then the main window on the screen. Returns once the disclaimer is closed.
    void start();

    // The analysis named on the command line; the main window stays whatever happens.
    bool openAnalysis(const std::string& path);

    MainWindow& mainWindow() { return *window_; }
    MainForm& mainForm() { return *form_; }
    QtPrompter& prompter() { return prompter_; }
    // The analysis window on the screen, nullptr while none is open.
    RiskAnalysis* analysisWindow() const;
    PrinterChoice& printer() { return printer_; }
    // What the analysis and Monte Carlo windows are handed.
    EventPump& eventPump() { return events_; }
    Launcher& launcher() { return launcher_; }
    RiskFileService& riskFiles() { return riskFiles_; }
    FileDialogs& fileDialogs() { return *fileDialogs_; }
    HelpWindow* helpWindow() { return help_.get(); }
    QString helpDirectory() const;
    QString logoPath() const;

    void show(AppState& state) override;                // New Application dialog
    bool chooseAndLoad(AppState& state) override;       // transport-model data file
    void showModal(AppState& state) override;           // Preferences
    void showHelp(const HelpRequest& request) override; // help window
    void showTechnicalSupport() override;
    void showAbout() override;
    void exitNow() override;

private:
    // New and Open Application end here: the analysis window, built when none is open.
    class AnalysisWindowOpener : public AnalysisWindow {
    public:
        explicit AnalysisWindowOpener(DesktopProgram& program) : program_(program) {}
        void show(AppState& state) override;

    private:
        DesktopProgram& program_;
    };

    QWidget* dialogParent() const;
    AnalysisServices analysisServices();

    AppState& state_;
    DesktopOptions options_;
    QtPrompter prompter_;
    QtFileDialogs dialogs_;
    FileDialogs* fileDialogs_;
    QtEventPump events_;
    QtLauncher launcher_;
    RiskFileService riskFiles_;
    AnalysisResultsViewer viewer_;
    PrinterChoice printer_;
    QtReportPrinter reports_;
    QtMonteCarloOutputs monteCarloOutputs_;
    QtMonteCarloPresenter monteCarloWindow_;
    MonteCarloExchange monteCarloExchange_;
    QtChemicalChooser chemicals_;
    QtResultFigures figures_;
    AnalysisWindowOpener analysisOpener_;
    QPointer<RiskAnalysis> analysis_;
    std::unique_ptr<MainForm> form_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<QObject> helpKey_;
};

} // namespace torval
