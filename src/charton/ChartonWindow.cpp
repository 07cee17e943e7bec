#include "ChartonWindow.h"

#include "ChartOutput.h"
#include "ConvergenceView.h"
#include "ResultPages.h"
#include "ResultsCsv.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>

namespace torval::charton {

namespace {

// A name typed without an ending gets the one of the type chosen in the dialog.
QString withChosenEnding(const QString& path, const QString& chosenFilter) {
    const QRegularExpressionMatch ending =
        QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(chosenFilter);
    return QFileInfo(path).suffix().isEmpty() && ending.hasMatch() ? path + ending.captured(1)
                                                                   : path;
}

const QString RecentKey = QStringLiteral("recentFiles");
constexpr int RecentCount = 8;

} // namespace

ChartonWindow::ChartonWindow(QWidget* parent) : QMainWindow(parent), tabs_(new QTabWidget) {
    setWindowTitle(QStringLiteral("Charton"));
    setCentralWidget(tabs_);
    setAcceptDrops(true);
    buildMenus();
    resize(1200, 760);
}

void ChartonWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] { chooseFile(); });
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    refreshRecentMenu();
    file->addSeparator();
    file->addAction(tr("&Export Chart..."), this, [this] { exportChart(); });
    file->addAction(tr("Export &Values as CSV..."), this, [this] { exportValues(); });
    file->addAction(tr("&Print Chart..."), QKeySequence::Print, this, [this] { printChart(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, [this] { close(); });
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("&Copy Chart"), QKeySequence::Copy, this, [this] { copyChart(); });
    QMenu* view = menuBar()->addMenu(tr("&View"));
    logAxis_ = view->addAction(tr("&Logarithmic X Axis"));
    logAxis_->setCheckable(true);
    connect(logAxis_, &QAction::toggled, this, [this](bool on) { setLogScale(on); });
}

QString ChartonWindow::open(const QString& path) {
    try {
        ResultsFile results = loadResultsFile(QFile::encodeName(path).toStdString());
        showResults(results);
        results_ = std::move(results);
    } catch (const ResultsFileError& error) {
        return tr("Cannot read %1:\n%2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(error.what()));
    } catch (const std::bad_alloc&) {
        return tr("Not enough memory to read %1.").arg(QDir::toNativeSeparators(path));
    } catch (const std::exception& error) {
        return tr("Cannot read %1:\n%2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(error.what()));
    }
    remember(path);
    setWindowTitle(tr("%1 - Charton").arg(QFileInfo(path).fileName()));
    return {};
}

bool ChartonWindow::openOrWarn(const QString& path) {
    const QString problem = open(path);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Charton"), problem);
    }
    return problem.isEmpty();
}

void ChartonWindow::showResults(const ResultsFile& results) {
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    views_.clear();
    charts_.clear();
    const auto addPage = [this](QWidget* page, const QString& caption, DistributionView* view,
                                QChartView* chart) {
        tabs_->addTab(page, caption);
        views_.push_back(view);
        charts_.push_back(chart);
    };
    const auto chartOf = [](DistributionView* view) {
        return view == nullptr ? nullptr : view->chartView();
    };
    if (const auto* intakes = std::get_if<ConcentrationsResults>(&results)) {
        auto* page = new ConcentrationsPage(*intakes);
        addPage(page, tr("Intakes"), page->distributionView(), chartOf(page->distributionView()));
        if (intakes->monteCarlo && intakes->intakes.size() >= 2) {
            auto* convergence = new ConvergenceView(intakes->intakes);
            addPage(convergence, tr("Convergence"), nullptr, convergence->chartView());
        }
    } else {
        for (const GeneratedVariant& variant : std::get<GeneratedResults>(results).variants) {
            auto* page = new VariantPage(variant);
            addPage(page, QString::fromStdString(variant.name), page->distributionView(),
                    chartOf(page->distributionView()));
        }
    }
    for (DistributionView* view : views_) {
        if (view != nullptr) {
            view->setLogScale(logAxis_->isChecked());
        }
    }
}

DistributionView* ChartonWindow::currentView() const {
    const int index = tabs_->currentIndex();
    return index < 0 ? nullptr : views_[static_cast<std::size_t>(index)];
}

QChartView* ChartonWindow::currentChart() const {
    const int index = tabs_->currentIndex();
    return index < 0 ? nullptr : charts_[static_cast<std::size_t>(index)];
}

void ChartonWindow::setLogScale(bool logScale) {
    logAxis_->setChecked(logScale);
    for (DistributionView* view : views_) {
        if (view != nullptr) {
            view->setLogScale(logScale);
        }
    }
}

void ChartonWindow::remember(const QString& path) {
    QSettings settings;
    QStringList recent = settings.value(RecentKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(RecentKey, recent.mid(0, RecentCount));
    refreshRecentMenu();
}

void ChartonWindow::refreshRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = QSettings().value(RecentKey).toStringList();
    for (const QString& path : recent) {
        recentMenu_->addAction(QDir::toNativeSeparators(path), this,
                               [this, path] { openOrWarn(path); });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

void ChartonWindow::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Results"), QString(),
                                                      tr("Results files (*.plt);;All files (*)"));
    if (!path.isEmpty()) {
        openOrWarn(path);
    }
}

void ChartonWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void ChartonWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
        openOrWarn(urls.first().toLocalFile());
    }
}

void ChartonWindow::exportChart() {
    QChartView* chart = currentChart();
    if (chart == nullptr) {
        return;
    }
    QString chosenFilter;
    const QString typed = QFileDialog::getSaveFileName(
        this, tr("Export Chart"), QString(),
        tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"), &chosenFilter);
    if (typed.isEmpty()) {
        return;
    }
    const QString path = withChosenEnding(typed, chosenFilter);
    // The dialog only asked about replacing the name as typed, not the one with its ending.
    if (path != typed && QFileInfo::exists(path) &&
        QMessageBox::question(this, tr("Export Chart"),
                              tr("%1 already exists.\nDo you want to replace it?")
                                  .arg(QDir::toNativeSeparators(path))) != QMessageBox::Yes) {
        return;
    }
    const QString problem = saveChart(*chart, path);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Charton"), problem);
    }
}

void ChartonWindow::exportValues() {
    if (!results_) {
        return;
    }
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Values"), QString(), tr("CSV file (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const QString problem = saveText(QByteArray::fromStdString(resultsCsv(*results_)), path);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Charton"), problem);
    }
}

void ChartonWindow::copyChart() {
    if (QChartView* chart = currentChart()) {
        QApplication::clipboard()->setPixmap(chart->grab());
    }
}

void ChartonWindow::printChart() {
    if (QChartView* chart = currentChart()) {
        printChartView(*chart, this);
    }
}

} // namespace torval::charton
