#pragma once
// The printed reports on the program's printer. The analysis window's results report and the
// Monte Carlo window's report go through PrintCommand to the printer chosen in Printer Setup;
// with no printer installed the 68 message is shown and a PDF file is offered instead. Each
// report can also be previewed on the screen as it would print.

#include "AppState.h"
#include "intake/AnalysisServices.h"
#include "montecarlo/MonteCarloForm.h"
#include "reports/PrintCommand.h"
#include "shell/EventPump.h"
#include "shell/FileDialogs.h"
#include "shell/Launcher.h"
#include "shell/Prompter.h"

#include <string_view>

class QWidget;

namespace torval {

class PrinterChoice;

// What both windows print through: the chosen printer, the PDF offer when there is none.
PrintCommand printCommandOn(PrinterChoice& printer, Prompter& prompter, FileDialogs& dialogs);

// The analysis window's printer service.
class QtReportPrinter final : public ReportPrinter {
public:
    QtReportPrinter(PrinterChoice& printer, Prompter& prompter, FileDialogs& dialogs,
                    QWidget* parent = nullptr);

    // Printer Setup: the print dialog that chooses the printer every later print uses.
    void printerSetup() override;
    void printResultsReport(AppState& state) override;
    // File > Print Preview: the same report on the screen.
    void previewResultsReport(AppState& state) override;

private:
    PrinterChoice& printer_;
    Prompter& prompter_;
    FileDialogs& dialogs_;
    QWidget* parent_;
};

// The Monte Carlo window's outputs: its report printed (or previewed) and its results file
// shown by the plotting utility ("Chartix") or the text editor ("Numbers").
class QtMonteCarloOutputs final : public MonteCarloOutputs {
public:
    QtMonteCarloOutputs(Prompter& prompter, Launcher& launcher, PrinterChoice& printer,
                        FileDialogs& dialogs, EventPump* events = nullptr,
                        QWidget* parent = nullptr);

    void print(AppState& state) override;
    void view(AppState& state, std::string_view choice) override;

    // File > Print Preview: runs the form's print command (which first brings the values up to
    // the terms the grid shows) with the report going to the screen instead of the printer.
    void preview(MonteCarloForm& form);

    void setParent(QWidget* parent) { parent_ = parent; }

private:
    Prompter& prompter_;
    Launcher& launcher_;
    PrinterChoice& printer_;
    FileDialogs& dialogs_;
    EventPump* events_;
    QWidget* parent_;
    bool previewing_ = false;
};

} // namespace torval
