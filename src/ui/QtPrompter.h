#pragma once
// The core's message boxes and busy pointer on the screen: a modal QMessageBox with the
// message's icon, buttons, default button and title, and the application-wide wait cursor.

#include "shell/Prompter.h"

#include <QMessageBox>

class QWidget;

namespace torval {

class QtPrompter : public Prompter {
public:
    // Message boxes open over the parent's window, or the active window when there is none.
    explicit QtPrompter(QWidget* parent = nullptr);
    ~QtPrompter() override;

    MessageAnswer show(const Message& message) override;
    void setBusy(bool busy) override;

    void setParent(QWidget* parent) { parent_ = parent; }

    // The message box's icon and buttons for a message, in Qt's terms.
    static QMessageBox::Icon iconOf(MessageIcon icon);
    static QMessageBox::StandardButtons buttonsOf(MessageButtons buttons);
    static QMessageBox::StandardButton buttonOf(MessageAnswer answer);
    static MessageAnswer answerOf(int button);

private:
    QWidget* parent_;
    bool busy_ = false;
};

} // namespace torval
