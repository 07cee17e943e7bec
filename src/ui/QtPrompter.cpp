#include "ui/QtPrompter.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <algorithm>

namespace torval {

namespace {

// A text whose lines were broken by its author keeps those lines; only long paragraphs wrap.
constexpr qsizetype LongestUnwrappedLine = 100;

void keepAuthorsLines(QMessageBox& box, const QString& text) {
    qsizetype longest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        longest = std::max(longest, line.size());
    }
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label != nullptr && longest <= LongestUnwrappedLine) {
        label->setWordWrap(false);
    }
}

} // namespace

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}

QtPrompter::~QtPrompter() {
    setBusy(false);
}

QMessageBox::Icon QtPrompter::iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtPrompter::buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton QtPrompter::buttonOf(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    case MessageAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer QtPrompter::answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        return MessageAnswer::Cancel; // the window's close box and Escape
    }
}

MessageAnswer QtPrompter::show(const Message& message) {
    // Over the window the user is working in (the analysis window, a dialog), else the parent.
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr && parent_ != nullptr) {
        parent = parent_->window();
    }
    QMessageBox box(iconOf(message.icon), qText(message.title), qMessageText(message.text),
                    buttonsOf(message.buttons), parent);
    box.setDefaultButton(buttonOf(message.defaultButton));
    keepAuthorsLines(box, box.text());
    // The user must see the pointer while answering, even in the middle of a long operation.
    const bool wasBusy = busy_;
    setBusy(false);
    const int pressed = box.exec();
    setBusy(wasBusy);
    // Closing a box that has no Cancel button answers its only, or its escape, button.
    if (pressed != QMessageBox::Yes && pressed != QMessageBox::No && pressed != QMessageBox::Ok &&
        pressed != QMessageBox::Cancel) {
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    return answerOf(pressed);
}

void QtPrompter::setBusy(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace torval
