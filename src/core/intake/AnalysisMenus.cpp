#include "intake/AnalysisMenus.h"

#include "shell/RunTimeError.h"

#include <algorithm>

namespace torval {

namespace {

Menu fileMenu() {
    Menu file{AnalysisMenu::File, "&File", true, {}};
    file.items = {
        {FileItem::NewApplication, "&New Application"},
        {FileItem::OpenApplication, "&Open Application"},
        {FileItem::CloseApplication, "&Close Application", false},
        {25, "-"},
        {FileItem::SaveApplication, "&Save Application"},
        {FileItem::SaveApplicationAs, "Sa&ve Application as"},
        {45, "-"},
        {FileItem::PrinterSetup, "P&rinter Setup"},
        {FileItem::Print, "&Print"},
        {FileItem::PrintPreview, "Print Previe&w"},
        {FileItem::ExportCsv, "&Export CSV..."},
        {65, "-"},
        {FileItem::ReturnToMainForm, "Ret&urn to Main Form"},
    };
    return file;
}

Menu resultsMenu() {
    return {AnalysisMenu::Results,
            "&Results",
            true,
            {{ResultsItem::Graphics, "&Graphics"},
             {15, "-"},
             {ResultsItem::View, "&View"},
             {25, "-"},
             {ResultsItem::Sensitivity, "&Sensitivity"},
             {ResultsItem::Risk, "&Risk"}}};
}

Menu plumexDataMenu() {
    return {AnalysisMenu::PlumexData,
            "PLUMEX Data",
            true,
            {{PlumexDataItem::ChangeDatafile, "Change Datafile"},
             {PlumexDataItem::SelectChemical, "Select Chemical"}}};
}

Menu helpMenu() {
    Menu help{AnalysisMenu::Help, "&Help", true, {}};
    help.items = {
        {HelpItem::Contents, "&Contents"},
        {HelpItem::IndexOfTopics, "&Index of Topics"},
        {25, "-"},
        {HelpItem::MonteCarloSimulation, "&Monte Carlo Simulation"},
        {75, "-"},
        {HelpItem::TechnicalSupport, "&Obtaining Technique Support"},
        {HelpItem::Disclaimer, "&Disclaimer"},
        {95, "-"},
        {HelpItem::About, "&About Torval"},
    };
    return help;
}

} // namespace

AnalysisMenuBar::AnalysisMenuBar()
    : menus_{fileMenu(),
             {AnalysisMenu::Calculation, "&Calculation!", true, {}},
             resultsMenu(),
             plumexDataMenu(),
             {AnalysisMenu::MonteCarlo,
              "Monte Carlo",
              true,
              {{MonteCarloItem::Generate, "Generate ..."}}},
             helpMenu()} {}

Menu& AnalysisMenuBar::menu(AnalysisMenu id) {
    const auto found = std::find_if(menus_.begin(), menus_.end(),
                                    [id](const Menu& candidate) { return candidate.id == id; });
    if (found == menus_.end()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return *found;
}

const Menu& AnalysisMenuBar::menu(AnalysisMenu id) const {
    return const_cast<AnalysisMenuBar*>(this)->menu(id);
}

MenuItem& AnalysisMenuBar::item(AnalysisMenu id, int index) {
    std::vector<MenuItem>& items = menu(id).items;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [index](const MenuItem& item) { return item.index == index; });
    if (found == items.end()) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return *found;
}

const MenuItem& AnalysisMenuBar::item(AnalysisMenu id, int index) const {
    return const_cast<AnalysisMenuBar*>(this)->item(id, index);
}

} // namespace torval
