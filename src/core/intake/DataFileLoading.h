#pragma once
// Loading a transport-model file for an analysis: the reader of its family (datafiles), then the
// data brought to mg/l with the unit texts (concentration), then the concentration texts of the
// analysis input. The main window's New Application and the analysis window's data command call
// OpenModelDataFile and go on only when it returns true.

#include "AppState.h"
#include "datafiles/DataFileOpening.h"

namespace torval {

// Runs the reader of the lower-cased ModelName, then brings the data to mg/l and fills the
// concentration texts of the analysis input. True when the file was accepted.
bool LoadDataFile(AppState& state, Prompter& prompter, const DataFileReaders& readers,
                  const std::string& path);

// The concentration texts of the analysis input from the current data: the average in the
// shared number format and the maximum in full. A data set of Monte Carlo values marks its
// average as a Monte Carlo reference ("Monte Calor", 500 blanks, the number), so that a
// calculation on it runs once per realisation of the file, and sets the Monte Carlo and result
// counts to the file's count (1 otherwise).
void fillConcentrationTexts(AppState& state);

// The whole open: dialog, reset, load, unit texts, Monte Carlo chemical count. True when a
// file was loaded.
bool OpenModelDataFile(AppState& state, FileDialogs& dialogs, Prompter& prompter,
                       const DataFileReaders& readers);

} // namespace torval
