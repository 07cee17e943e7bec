#pragma once
// The message boxes of the analysis window and of the calculation, each built in one place so
// that every command shows the same words.

#include "datafiles/DataLayout.h"
#include "shell/Prompter.h"

namespace torval {

// A click on an entry that holds a Monte Carlo reference.
Message referenceIsAssignedMessage();

// An interval entry left blank when the intervals are checked.
Message emptyIntervalMessage();

// An interval reaching beyond the coordinates of its axis.
Message intervalOutsideDataMessage(Axis axis);

// An interval inside the coordinates of its axis that holds none of them, with the nearest
// coordinates below and above it.
Message intervalWithoutGridPointMessage(Axis axis, double below, double above);

// Asked before results of an unfinished calculation are shown.
Message resultsNotUpdatedQuestion();

// Asked before another analysis replaces a calculated one that was never saved.
Message dataNotSavedQuestion();

// Saving or printing while the results do not belong to the input.
Message resultNotConsistentMessage();

// A Monte Carlo calculation with fewer than two iterations.
Message tooFewSimulationsMessage();

// The Stop button's confirmation.
Message stopCalculationQuestion();

} // namespace torval
