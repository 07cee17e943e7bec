#include "ui/IterationCsvExport.h"

#include "montecarlo/IterationCsvExport.h"
#include "ui/QtText.h"

#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

namespace torval {

void exportIterationCsv(QWidget* parent, AppState& state, FileDialogs& dialogs,
                        Prompter& prompter) {
    const std::optional<std::string> written = ExportIterationCsv(state, dialogs, prompter);
    auto* window = parent == nullptr ? nullptr : qobject_cast<QMainWindow*>(parent->window());
    if (written && window != nullptr) {
        window->statusBar()->showMessage(
            QObject::tr("Exported %1").arg(QDir::toNativeSeparators(qText(*written))), 5000);
    }
}

} // namespace torval
