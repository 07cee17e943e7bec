#include "ui/QtLauncher.h"

#include "shell/RunTimeError.h"
#include "ui/QtText.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace torval {

void QtLauncher::start(const std::string& program, const std::vector<std::string>& arguments) {
    const QString name = qText(program);
    const bool found = QFileInfo(name).isFile() || !QStandardPaths::findExecutable(name).isEmpty();
    if (name.isEmpty() || !found) {
        throw RunTimeError(ErrorCode::FileNotFound, program);
    }
    QStringList list;
    for (const std::string& argument : arguments) {
        list << qText(argument);
    }
    if (!QProcess::startDetached(name, list)) {
        throw RunTimeError(ErrorCode::IllegalFunctionCall, program);
    }
}

} // namespace torval
