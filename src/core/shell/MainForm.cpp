#include "shell/MainForm.h"

#include "shell/ApplicationInfo.h"
#include "shell/Disclaimer.h"
#include "shell/ErrorReport.h"
#include "shell/Platform.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace torval {

namespace {

const std::vector<MainMenuItem> Items{
    {MainMenu::File, MainFileItem::NewApplication, "&New Application", true},
    {MainMenu::File, MainFileItem::OpenApplication, "&Open Application", true},
    {MainMenu::File, MainFileItem::CloseApplication, "&Close Application", false},
    {MainMenu::File, 55, "-", true},
    {MainMenu::File, MainFileItem::PrinterSetup, "P&rinter Setup", true},
    {MainMenu::File, MainFileItem::Print, "&Print ", false},
    {MainMenu::File, 75, "-", true},
    {MainMenu::File, MainFileItem::Exit, "E&xit TORVAL", true},
    {MainMenu::Options, MainOptionsItem::Preferences, "&Preferences...", true},
    {MainMenu::Help, MainHelpItem::Contents, "&Contents...", true},
    {MainMenu::Help, MainHelpItem::IndexOfTopics, "&Index of Topics...", true},
    {MainMenu::Help, 25, "-", true},
    {MainMenu::Help, MainHelpItem::MonteCarloSimulation, "&Monte Carlo Simulation", true},
    {MainMenu::Help, 75, "-", true},
    {MainMenu::Help, MainHelpItem::TechnicalSupport, "&Obtaining Technical Support...", true},
    {MainMenu::Help, MainHelpItem::Disclaimer, "&Disclaimer....", false},
    {MainMenu::Help, 95, "-", true},
    {MainMenu::Help, MainHelpItem::About, "&About TORVAL...", true},
};

const std::vector<ToolbarButton> Buttons{
    {"NEW", "New Application", MainMenu::File, MainFileItem::NewApplication},
    {"OPEN", "Open Application", MainMenu::File, MainFileItem::OpenApplication},
    {"PREFERENCE", "Prefrence", MainMenu::Options, MainOptionsItem::Preferences},
    {"HELP", "Help", MainMenu::Help, MainHelpItem::Contents},
    {"EXIT", "Exit TORVAL", MainMenu::File, MainFileItem::Exit},
};

const MainMenuItem* findItem(MainMenu menu, int index) {
    const auto found = std::find_if(Items.begin(), Items.end(), [&](const MainMenuItem& item) {
        return item.menu == menu && item.index == index && !item.isSeparator();
    });
    return found == Items.end() ? nullptr : &*found;
}

} // namespace

MainForm::MainForm(AppState& state, Prompter& prompter, MainWindowServices services)
    : state_(state), prompter_(prompter), services_(std::move(services)) {}

std::string_view MainForm::caption() {
    return MainWindowCaption;
}

const std::vector<MainMenuItem>& MainForm::menuItems() {
    return Items;
}

std::string_view MainForm::menuCaption(MainMenu menu) {
    switch (menu) {
    case MainMenu::File:
        return "&File";
    case MainMenu::Options:
        return "&Options";
    case MainMenu::Help:
        return "&Help";
    }
    return "";
}

const std::vector<ToolbarButton>& MainForm::toolbarButtons() {
    return Buttons;
}

void MainForm::chooseMenuItem(MainMenu menu, int index) {
    const MainMenuItem* item = findItem(menu, index);
    if (item == nullptr || !item->enabled) {
        return;
    }
    runCommand(menu, index);
}

void MainForm::clickToolbarButton(std::string_view key) {
    for (const ToolbarButton& button : Buttons) {
        if (button.key == key) {
            chooseMenuItem(button.menu, button.index);
            return;
        }
    }
}

void MainForm::runCommand(MainMenu menu, int index) {
    try {
        switch (menu) {
        case MainMenu::File:
            fileCommand(index);
            break;
        case MainMenu::Options:
            if (services_.preferences != nullptr) {
                services_.preferences->showModal(state_);
            }
            break;
        case MainMenu::Help:
            helpCommand(index);
            break;
        }
    } catch (const std::exception& failure) {
        reportFailure(prompter_, failure, "", "");
    }
}

void MainForm::fileCommand(int index) {
    switch (index) {
    case MainFileItem::NewApplication:
        if (services_.newApplication != nullptr && services_.dataFiles != nullptr &&
            services_.analysisWindow != nullptr) {
            analysisCommand([this] {
                NewApplication(state_, *services_.newApplication, *services_.dataFiles,
                               *services_.analysisWindow);
            });
        }
        break;
    case MainFileItem::OpenApplication:
        if (services_.riskFiles != nullptr && services_.analysisWindow != nullptr) {
            analysisCommand([this] {
                OpenApplication(state_, *services_.riskFiles, *services_.analysisWindow);
            });
        }
        break;
    case MainFileItem::PrinterSetup:
        if (services_.printer != nullptr) {
            services_.printer->showPrinterSetup();
        }
        break;
    case MainFileItem::Exit:
        if (services_.exit != nullptr) {
            services_.exit->exitNow();
        }
        break;
    default:
        break;
    }
}

void MainForm::helpCommand(int index) {
    HelpDesk* help = services_.help;
    if (help == nullptr) {
        return;
    }
    switch (index) {
    case MainHelpItem::Contents:
        help->showHelp({HelpRequest::Contents, "", 0});
        break;
    case MainHelpItem::IndexOfTopics:
        help->showHelp({HelpRequest::PartialKey, "", 0});
        break;
    case MainHelpItem::MonteCarloSimulation:
        help->showHelp({HelpRequest::Context, "", HelpRequest::MonteCarloTopic});
        break;
    case MainHelpItem::TechnicalSupport:
        help->showTechnicalSupport();
        break;
    case MainHelpItem::About:
        help->showAbout();
        break;
    default:
        break;
    }
}

// The data and risk files are chosen and opened inside these commands: a failure there is the
// main window's "File Error".
void MainForm::analysisCommand(const std::function<void()>& command) {
    tag_.clear();
    try {
        command();
    } catch (...) {
        tag_ = std::string(FileErrorTag);
        throw;
    }
}

bool MainForm::openAnalysisFile(std::string_view path) {
    if (!services_.readRiskFile || services_.analysisWindow == nullptr) {
        return false;
    }
    bool shown = false;
    try {
        analysisCommand([&] {
            shown =
                OpenApplication(state_, path, services_.readRiskFile, *services_.analysisWindow);
        });
    } catch (const std::exception& failure) {
        reportFailure(prompter_, failure, "", "");
    }
    return shown;
}

std::string MainForm::logoPath(std::string_view appPath) {
    return joinPath(joinPath(appPath, "bitmap"), "emblem.bmp");
}

LogoBox logoBox(int clientWidth, int clientHeight, int statusBarHeight, int toolbarHeight,
                int twipsPerPixel) {
    const int perPixel = std::max(twipsPerPixel, 1);
    LogoBox box;
    box.height = std::max(clientHeight - statusBarHeight - toolbarHeight - 1000 / perPixel, 0);
    box.width = box.height + 200 / perPixel;
    box.left = clientWidth / 2 - box.width / 2;
    box.top = clientHeight / 2 - box.height / 2;
    return box;
}

} // namespace torval
