#pragma once
// Modal windows answered from a timer, the way a user answers them while the program waits, and
// grid cells typed into as a user types them.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `answer` on the next modal window other than `current`, once it is on the screen.
inline void onNextModal(std::function<void(QWidget*)> answer, QWidget* current = nullptr) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer, current] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == current) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        answer(modal);
        // A check that failed inside the answer left the window open: close it so the test
        // ends instead of waiting for a user.
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (QTest::currentTestFailed() && dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    });
    poll->start();
}

inline void pressButton(QWidget* box, QMessageBox::StandardButton button) {
    qobject_cast<QMessageBox*>(box)->button(button)->click();
}

// Opens a grid cell's editor as F2 does and types the text; Tab commits it, anything else leaves
// the edit pending.
inline void typeCell(QTableWidget* grid, int row, int column, const QString& text, bool commit) {
    grid->setCurrentCell(row, column);
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = grid->indexWidget(grid->model()->index(row, column));
    QVERIFY(editor != nullptr);
    QWidget* typing = editor->focusProxy() != nullptr ? editor->focusProxy() : editor;
    QTest::keyClicks(typing, text);
    if (commit) {
        QTest::keyClick(typing, Qt::Key_Tab);
        QCoreApplication::processEvents(); // the grid hands the edit on once its editor closed
    }
}
