#pragma once
// File > "Export CSV..." in a window: the core's ExportIterationCsv through the window's
// dialogs and prompter; the written file is named in the window's status bar where it has one.

#include "AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Prompter.h"

class QWidget;

namespace torval {

void exportIterationCsv(QWidget* parent, AppState& state, FileDialogs& dialogs, Prompter& prompter);

} // namespace torval
