#include "ui/QtEventPump.h"

#include <QCoreApplication>

namespace torval {

void QtEventPump::pump() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace torval
