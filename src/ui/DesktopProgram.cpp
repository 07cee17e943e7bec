#include "ui/DesktopProgram.h"

#include "intake/DataFileLoading.h"
#include "shell/NewForm.h"
#include "shell/Platform.h"
#include "shell/PreferencesForm.h"
#include "shell/StartUp.h"
#include "stogen/GeneratorRequest.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/NewFormDialog.h"
#include "ui/PreferencesFormDialog.h"
#include "ui/QtText.h"
#include "ui/RiskAnalysisWindow.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

namespace torval {

namespace {

// F1 opens the help's contents from every window of the program.
class HelpKeyFilter : public QObject {
public:
    explicit HelpKeyFilter(HelpDesk& help) : help_(help) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            help_.showHelp({HelpRequest::Contents, "", 0});
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    HelpDesk& help_;
};

} // namespace

DesktopProgram::DesktopProgram(AppState& state, DesktopOptions options)
    : state_(state), options_(std::move(options)), dialogs_(state, prompter_),
      fileDialogs_(options_.fileDialogs != nullptr ? options_.fileDialogs : &dialogs_),
      riskFiles_(*fileDialogs_, prompter_), viewer_(prompter_, launcher_, &events_),
      reports_(printer_, prompter_, *fileDialogs_),
      monteCarloOutputs_(prompter_, launcher_, printer_, *fileDialogs_, &events_),
      monteCarloWindow_(nullptr, this, &monteCarloOutputs_),
      monteCarloExchange_(prompter_, {&monteCarlo, &latinHypercube}, &monteCarloWindow_,
                          &monteCarloOutputs_),
      chemicals_(nullptr, prompter_), figures_(prompter_, *fileDialogs_), analysisOpener_(*this) {}

DesktopProgram::~DesktopProgram() {
    delete analysis_.data();
    if (helpKey_ != nullptr && qApp != nullptr) {
        qApp->removeEventFilter(helpKey_.get());
    }
}

void DesktopProgram::start() {
    StartUp(state_, prompter_, options_.programDirectory.value_or(programDirectory()),
            options_.systemDirectory.value_or(systemProgramDirectory()));
    MainWindowServices services;
    services.newApplication = this;
    services.dataFiles = this;
    services.riskFiles = &riskFiles_;
    services.readRiskFile = [this](AppState& state, std::string_view path) {
        return riskFiles_.read(state, path);
    };
    services.analysisWindow = &analysisOpener_;
    services.preferences = this;
    services.printer = &printer_;
    services.help = this;
    services.exit = this;
    form_ = std::make_unique<MainForm>(state_, prompter_, services);
    window_ = std::make_unique<MainWindow>(*form_, logoPath());
    prompter_.setParent(window_.get());
    dialogs_.setParent(window_.get());
    printer_.setParent(window_.get());
    helpKey_ = std::make_unique<HelpKeyFilter>(*this);
    qApp->installEventFilter(helpKey_.get());
    window_->centre();
    window_->show();
}

bool DesktopProgram::openAnalysis(const std::string& path) {
    return form_ != nullptr && form_->openAnalysisFile(path);
}

// What the analysis window reaches: this program's dialogs and help, the chemical and Monte
// Carlo windows, the risk data files, the results viewers through the launcher, the printer
// and the event pump of the calculation.
AnalysisServices DesktopProgram::analysisServices() {
    AnalysisServices services;
    services.newApplication = this;
    services.dataFiles = this;
    services.chemicals = &chemicals_;
    services.monteCarlo = &monteCarloExchange_;
    services.riskFiles = &riskFiles_;
    services.printer = &reports_;
    services.figures = &figures_;
    services.viewer = &viewer_;
    services.help = this;
    services.events = &events_;
    return services;
}

RiskAnalysis* DesktopProgram::analysisWindow() const {
    return analysis_.data();
}

void DesktopProgram::AnalysisWindowOpener::show(AppState& state) {
    DesktopProgram& program = program_;
    if (program.analysis_ == nullptr) {
        program.analysis_ = new RiskAnalysis(state, program.prompter_, program.analysisServices(),
                                             qText(state.AppPath), program.window_.get());
        // The windows the analysis opens are modal over it.
        program.monteCarloWindow_.setParent(program.analysis_);
        program.monteCarloOutputs_.setParent(program.analysis_);
        program.chemicals_.setParent(program.analysis_);
        program.figures_.setParent(program.analysis_);
    }
    program.analysis_->showAnalysis();
}

QString DesktopProgram::helpDirectory() const {
    return QDir(qText(state_.AppPath)).filePath(QStringLiteral("Helps"));
}

QString DesktopProgram::logoPath() const {
    return qText(MainForm::logoPath(state_.AppPath));
}

// Dialogs open over the window the user works in: the main window or the analysis window.
QWidget* DesktopProgram::dialogParent() const {
    if (analysis_ != nullptr && analysis_->isActiveWindow()) {
        return analysis_;
    }
    return window_.get();
}

void DesktopProgram::show(AppState& state) {
    NewForm form(state);
    NewFormDialog dialog(form, dialogParent());
    dialog.exec();
}

bool DesktopProgram::chooseAndLoad(AppState& state) {
    return OpenModelDataFile(state, *fileDialogs_, prompter_, DataFileReaders::standard());
}

void DesktopProgram::showModal(AppState& state) {
    PreferencesForm form(state, prompter_, *fileDialogs_);
    PreferencesFormDialog dialog(form, dialogParent());
    dialog.exec();
}

void DesktopProgram::showHelp(const HelpRequest& request) {
    if (help_ == nullptr) {
        help_ = std::make_unique<HelpWindow>(helpDirectory());
    }
    help_->showRequest(request);
}

void DesktopProgram::showTechnicalSupport() {
    SupportDialog dialog(dialogParent());
    dialog.exec();
}

void DesktopProgram::showAbout() {
    AboutDialog dialog(prompter_, logoPath(), dialogParent());
    dialog.exec();
}

void DesktopProgram::exitNow() {
    if (options_.exitNow) {
        options_.exitNow();
        return;
    }
    QCoreApplication::exit(0);
}

} // namespace torval
