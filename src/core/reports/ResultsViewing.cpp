#include "reports/ResultsViewing.h"

#include "reports/MonteCarloFile.h"
#include "reports/MonteCarloOutputRows.h"
#include "reports/PlotFile.h"
#include "reports/Viewers.h"
#include "shell/ApplicationInfo.h"
#include "shell/ErrorReport.h"
#include "shell/FileReplacement.h"
#include "shell/OperationFailure.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace torval {

namespace {

void writeAndOpen(AppState& state, std::string_view viewerChoice, Prompter& prompter,
                  Launcher& launcher, EventPump* events,
                  const std::function<std::string()>& content) {
    const std::string fileName = PlotFileName(state.AppSettings.TempDataPath);
    try {
        prompter.setBusy(true);
        replaceFileContents(fileName, content());
        if (viewerChoice == "Chartix") {
            LaunchPlot(state, fileName, prompter, launcher, events);
        } else {
            LaunchEditor(state, fileName, prompter, launcher);
        }
        prompter.setBusy(false);
    } catch (const std::exception& failure) {
        reportOperationFailure(prompter, failure, fileName,
                               viewerChoice == "Chartix" ? "Graphics" : "View");
    }
}

} // namespace

void ViewResults(AppState& state, std::string_view viewerChoice, Prompter& prompter,
                 Launcher& launcher, EventPump* events) {
    writeAndOpen(state, viewerChoice, prompter, launcher, events,
                 [&state] { return WritePlotFile(state); });
}

void ViewMonteCarloOutput(AppState& state, Prompter& prompter, Launcher& launcher,
                          std::string_view viewerChoice, EventPump* events) {
    const std::vector<int> rows = countedMonteCarloRows(state);
    if (rows.empty()) {
        prompter.show(Message{"No output data to be viewed.", std::string(ApplicationTitle),
                              MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    writeAndOpen(state, viewerChoice, prompter, launcher, events,
                 [&state, &rows] { return WriteMonteCarloFile(state, rows); });
}

} // namespace torval
