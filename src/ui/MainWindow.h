#pragma once
// The main window (MainForm) on the screen: caption, stretched logo, toolbar, the status bar
// with its ticking clock, and the File, Options and Help menus. Menus and toolbar are built
// from the model's tables; every choice goes to the model, which runs the command.

#include "shell/MainForm.h"

#include <QMainWindow>

class QLabel;
class QTimer;
class QToolBar;

namespace torval {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(MainForm& form, const QString& logoPath, QWidget* parent = nullptr);

    // The action of a menu item by its menu and index, nullptr for none (or a separator).
    QAction* menuAction(MainMenu menu, int index) const;
    QAction* toolbarAction(std::string_view key) const;
    QToolBar* toolbar() const { return toolbar_; }
    QLabel* statusPanel() const { return status_; }
    QLabel* datePanel() const { return date_; }
    QLabel* timePanel() const { return time_; }
    QLabel* logo() const { return logo_; }

    // Centres the window on its screen.
    void centre();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void tick();
    void afterCommand();
    void placeLogo();

    MainForm& form_;
    QToolBar* toolbar_;
    QLabel* status_;
    QLabel* date_;
    QLabel* time_;
    QLabel* logo_;
    QTimer* clock_;
};

} // namespace torval
