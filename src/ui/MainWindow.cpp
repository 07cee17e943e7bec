#include "ui/MainWindow.h"

#include "ui/QtText.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVariant>

namespace torval {

namespace {

QString actionName(MainMenu menu, int index) {
    return QStringLiteral("menu%1_%2").arg(static_cast<int>(menu)).arg(index);
}

// The desktop theme's icon, or one of the style's own where the theme has none.
QIcon toolbarIcon(std::string_view key, const QStyle* style) {
    struct Choice {
        std::string_view key;
        const char* themeName;
        QStyle::StandardPixmap fallback;
    };
    static constexpr Choice Choices[] = {
        {"NEW", "document-new", QStyle::SP_FileIcon},
        {"OPEN", "document-open", QStyle::SP_DirOpenIcon},
        {"PREFERENCE", "preferences-system", QStyle::SP_FileDialogDetailedView},
        {"HELP", "help-contents", QStyle::SP_DialogHelpButton},
        {"EXIT", "application-exit", QStyle::SP_DialogCloseButton},
    };
    for (const Choice& choice : Choices) {
        if (choice.key == key) {
            return QIcon::fromTheme(QString::fromLatin1(choice.themeName),
                                    style->standardIcon(choice.fallback));
        }
    }
    return {};
}

// The locale's long time format, which shows the seconds, without its time zone.
QString clockFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*$"));
    format.remove(zone);
    return format;
}

} // namespace

MainWindow::MainWindow(MainForm& form, const QString& logoPath, QWidget* parent)
    : QMainWindow(parent), form_(form), toolbar_(new QToolBar(this)), status_(new QLabel),
      date_(new QLabel), time_(new QLabel), logo_(new QLabel), clock_(new QTimer(this)) {
    setWindowTitle(qText(MainForm::caption()));
    buildMenus();
    buildToolbar();
    buildStatusBar();
    auto* client = new QWidget;
    setCentralWidget(client);
    logo_->setParent(client);
    logo_->setScaledContents(true);
    const QPixmap picture(logoPath);
    if (!picture.isNull()) {
        logo_->setPixmap(picture);
    }
    resize(800, 600);
}

void MainWindow::buildMenus() {
    for (const MainMenu menuId : {MainMenu::File, MainMenu::Options, MainMenu::Help}) {
        QMenu* menu = menuBar()->addMenu(qText(MainForm::menuCaption(menuId)));
        for (const MainMenuItem& item : MainForm::menuItems()) {
            if (item.menu != menuId) {
                continue;
            }
            QAction* action =
                item.isSeparator() ? menu->addSeparator() : menu->addAction(qText(item.caption));
            action->setObjectName(actionName(item.menu, item.index));
            action->setData(item.index);
            action->setEnabled(item.enabled);
            if (!item.isSeparator()) {
                connect(action, &QAction::triggered, this, [this, item] {
                    form_.chooseMenuItem(item.menu, item.index);
                    afterCommand();
                });
            }
        }
    }
}

void MainWindow::buildToolbar() {
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    for (const ToolbarButton& button : MainForm::toolbarButtons()) {
        QAction* action =
            toolbar_->addAction(toolbarIcon(button.key, style()), qText(button.toolTip));
        action->setObjectName(qText(button.key));
        action->setToolTip(qText(button.toolTip));
        const std::string key(button.key);
        connect(action, &QAction::triggered, this, [this, key] {
            form_.clickToolbarButton(key);
            afterCommand();
        });
    }
}

void MainWindow::buildStatusBar() {
    statusBar()->setSizeGripEnabled(false);
    status_->setText(qText(form_.statusText()));
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(date_);
    statusBar()->addPermanentWidget(time_);
    tick();
    connect(clock_, &QTimer::timeout, this, &MainWindow::tick);
    clock_->start(1000);
}

void MainWindow::tick() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_->setText(locale.toString(now.time(), clockFormat(locale)));
}

void MainWindow::afterCommand() {
    status_->setText(qText(form_.statusText()));
    setProperty("Tag", qText(form_.tag()));
}

QAction* MainWindow::menuAction(MainMenu menu, int index) const {
    auto* action = findChild<QAction*>(actionName(menu, index));
    return action != nullptr && !action->isSeparator() ? action : nullptr;
}

QAction* MainWindow::toolbarAction(std::string_view key) const {
    for (QAction* action : toolbar_->actions()) {
        if (action->objectName() == qText(key)) {
            return action;
        }
    }
    return nullptr;
}

void MainWindow::centre() {
    const QScreen* screen = this->screen();
    if (screen == nullptr || isMinimized() || isMaximized()) {
        return;
    }
    const QRect available = screen->availableGeometry();
    move(available.left() + (available.width() - frameGeometry().width()) / 2,
         available.top() + (available.height() - frameGeometry().height()) / 2);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeLogo();
}

// The box is laid out over the client area below the menu bar; the central widget starts
// below the toolbar, so its position is shifted by that much.
void MainWindow::placeLogo() {
    const int clientTop = menuBar()->isVisible() ? menuBar()->height() : 0;
    const int clientHeight = height() - clientTop;
    const int toolbarHeight = toolbar_->isVisible() ? toolbar_->height() : 0;
    const int statusHeight = statusBar()->isVisible() ? statusBar()->height() : 0;
    const LogoBox box = logoBox(width(), clientHeight, statusHeight, toolbarHeight);
    const int offset = centralWidget()->y() - clientTop;
    logo_->setGeometry(box.left, box.top - offset, box.width, box.height);
}

} // namespace torval
