#include "intake/AnalysisForm.h"
#include "intake/AnalysisMessages.h"
#include "shell/Disclaimer.h"
#include "shell/Text.h"

#include <optional>

namespace torval {

namespace {

bool menuEnabled(const AnalysisControls& controls, AnalysisMenu menu, int item) {
    const MenuItem& entry = controls.menus.item(menu, item);
    return controls.menus.menu(menu).enabled && entry.enabled && entry.visible;
}

// The help items that open the help engine, with the commands it has always been called with.
std::optional<HelpRequest> helpRequestOf(int item) {
    switch (item) {
    case HelpItem::Contents:
        return HelpRequest{HelpRequest::Contents, "", 0};
    case HelpItem::IndexOfTopics:
        return HelpRequest{HelpRequest::PartialKey, "", 0};
    case HelpItem::MonteCarloSimulation:
        return HelpRequest{HelpRequest::Context, "", HelpRequest::MonteCarloTopic};
    default:
        return std::nullopt;
    }
}

} // namespace

void AnalysisForm::NewCommand() {
    if (driver_.isRunning() || services_.newApplication == nullptr) {
        return;
    }
    try {
        services_.newApplication->show(state_);
        if (state_.MediumCode == Medium::None) {
            return;
        }
        if (!loadNewData()) {
            load(); // a rejected file may have emptied the data set: show what is left
            return;
        }
        ResetRiskInput(state_.riskInput);
        if (state_.MediumCode == Medium::Input) {
            prepareInputMode();
        } else {
            state_.riskInput.ModelDataUsed = true;
            state_.MCCurrentChemical = 1;
        }
        resetMonteCarloRun();
        state_.AnalysisState = Analysis::Changed;
        state_.RiskFileOpened = false;
        state_.riskInput.FileName.clear();
        load();
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

// Input mode needs no file; any other medium needs one loaded before the analysis changes.
bool AnalysisForm::loadNewData() {
    if (state_.MediumCode == Medium::Input) {
        return true;
    }
    return services_.dataFiles != nullptr && services_.dataFiles->chooseAndLoad(state_);
}

void AnalysisForm::prepareInputMode() {
    state_.modelData.DataType = -1;
    state_.riskInput.ModelDataUsed = false;
    state_.modelData.ConcentrationUnit = "mg/l";
    state_.modelData.ModelName = "input";
    state_.MCCurrentChemical = 1;
    state_.MCChemicalCount = 1;
}

void AnalysisForm::SelectChemicalCommand() {
    if (driver_.isRunning() || services_.chemicals == nullptr) {
        return;
    }
    try {
        if (services_.chemicals->chooseChemical(state_)) {
            load();
            controls_.menus.menu(AnalysisMenu::Results).enabled = false;
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

void AnalysisForm::MonteCarloCommand() {
    if (driver_.isRunning()) {
        return;
    }
    prompter_.setBusy(true);
    try {
        if (driver_.ValidateInputs()) {
            exchangeWithMonteCarloWindow();
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
    prompter_.setBusy(false);
}

void AnalysisForm::exchangeWithMonteCarloWindow() {
    const std::string kind = lowerCase(controls_.kindLabel);
    StripMonteCarloReferences();
    if (services_.monteCarlo != nullptr) {
        services_.monteCarlo->show(state_, monteCarloParameters(), kind);
        RefreshResultsMenu();
        std::vector<AnalysisEntry> entries = assignableEntries();
        services_.monteCarlo->applySelection(state_, entries);
        for (const AnalysisEntry& entry : entries) {
            if (AnalysisRows::isConcentration(entry.row) || AnalysisRows::isParameter(entry.row)) {
                rowAt(entry.row).text = entry.text;
            }
        }
    }
    SetKindLabel();
}

std::vector<AnalysisEntry> AnalysisForm::monteCarloParameters() const {
    const int selected = AnalysisRows::concentrationRowOf(controls_.concentrationOption);
    std::vector<AnalysisEntry> parameters{
        {selected, trimBlanks(row(selected).caption), row(selected).text}};
    for (int number = AnalysisRows::FirstParameter; number <= AnalysisRows::LastParameter;
         ++number) {
        if (row(number).visible) {
            parameters.push_back({number, trimBlanks(row(number).caption), row(number).text});
        }
    }
    return parameters;
}

std::vector<AnalysisEntry> AnalysisForm::assignableEntries() const {
    std::vector<AnalysisEntry> entries;
    for (int number = AnalysisRows::AverageConcentration; number <= AnalysisRows::LastParameter;
         ++number) {
        if (AnalysisRows::isConcentration(number) || row(number).visible) {
            entries.push_back({number, trimBlanks(row(number).caption), row(number).text});
        }
    }
    return entries;
}

void AnalysisForm::ResultsCommand(int item) {
    if (!menuEnabled(controls_, AnalysisMenu::Results, item)) {
        return;
    }
    try {
        if (state_.ResultsOutdated &&
            prompter_.show(resultsNotUpdatedQuestion()) != MessageAnswer::Yes) {
            return;
        }
        if (item == ResultsItem::Sensitivity || item == ResultsItem::Risk) {
            showResultFigures(item);
            return;
        }
        if (services_.viewer == nullptr) {
            return;
        }
        if (item == ResultsItem::Graphics && contains(state_.riskInput.ResultText, "Monte")) {
            services_.viewer->viewResults(state_, "Chartix");
        } else if (item == ResultsItem::View) {
            services_.viewer->viewResults(state_, "Numbers");
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

void AnalysisForm::showResultFigures(int item) {
    if (services_.figures == nullptr) {
        return;
    }
    if (item == ResultsItem::Sensitivity) {
        services_.figures->showSensitivity(state_);
    } else {
        services_.figures->showRisk(state_);
    }
}

void AnalysisForm::PlumexDataCommand(int item) {
    if (!menuEnabled(controls_, AnalysisMenu::PlumexData, item)) {
        return;
    }
    if (item == PlumexDataItem::ChangeDatafile) {
        NewCommand();
    } else if (item == PlumexDataItem::SelectChemical) {
        SelectChemicalCommand();
    }
}

void AnalysisForm::FileCommand(int item) {
    if (!menuEnabled(controls_, AnalysisMenu::File, item)) {
        return;
    }
    try {
        switch (item) {
        case FileItem::NewApplication:
            NewCommand();
            break;
        case FileItem::OpenApplication:
            openAnalysis();
            break;
        case FileItem::SaveApplication:
            saveAnalysis(SaveCommand::Save);
            break;
        case FileItem::SaveApplicationAs:
            saveAnalysis(SaveCommand::SaveAs);
            break;
        case FileItem::PrinterSetup:
            if (services_.printer != nullptr) {
                services_.printer->printerSetup();
            }
            break;
        case FileItem::Print:
            printResults(false);
            break;
        case FileItem::PrintPreview:
            printResults(true);
            break;
        case FileItem::ExportCsv:
            if (services_.figures != nullptr) {
                services_.figures->exportIterations(state_);
            }
            break;
        case FileItem::ReturnToMainForm:
            if (services_.window != nullptr) {
                services_.window->closeAnalysisWindow();
            }
            break;
        default:
            break;
        }
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

// Saved results must be those of the input saved with them.
bool AnalysisForm::saveAnalysis(SaveCommand command) {
    if (state_.AnalysisState == Analysis::Changed) {
        prompter_.show(resultNotConsistentMessage());
        return false;
    }
    if (services_.riskFiles == nullptr || !services_.riskFiles->save(state_, command)) {
        return false;
    }
    updateTitle();
    state_.AnalysisState = Analysis::Saved;
    RefreshResultsMenu();
    return true;
}

void AnalysisForm::openAnalysis() {
    if (state_.AnalysisState == Analysis::Calculated &&
        prompter_.show(dataNotSavedQuestion()) == MessageAnswer::Yes) {
        saveAnalysis(SaveCommand::Save);
    }
    if (services_.riskFiles == nullptr) {
        return;
    }
    const std::optional<std::string> path = services_.riskFiles->chooseFileToOpen(state_);
    if (!path) {
        return;
    }
    resetMonteCarloRun();
    if (services_.riskFiles->read(state_, *path)) {
        state_.AnalysisState = Analysis::Saved;
        state_.RiskFileOpened = true;
        load();
    }
}

// A preview is refused as printing is: it shows the report that would be printed.
void AnalysisForm::printResults(bool preview) {
    if (state_.AnalysisState == Analysis::Changed) {
        prompter_.show(resultNotConsistentMessage());
        return;
    }
    if (services_.printer == nullptr) {
        return;
    }
    if (preview) {
        services_.printer->previewResultsReport(state_);
    } else {
        services_.printer->printResultsReport(state_);
    }
}

void AnalysisForm::HelpCommand(int item) {
    if (item == HelpItem::Disclaimer) {
        ShowDisclaimer(prompter_);
        return;
    }
    HelpDesk* help = services_.help;
    if (help == nullptr) {
        return;
    }
    if (const std::optional<HelpRequest> request = helpRequestOf(item)) {
        help->showHelp(*request);
    } else if (item == HelpItem::TechnicalSupport) {
        help->showTechnicalSupport();
    } else if (item == HelpItem::About) {
        help->showAbout();
    }
}

} // namespace torval
