#pragma once
// AveConc: how the concentrations of a loaded transport-model data set become the one exposure
// concentration, in mg/l, that the intake equations use. All free functions without state of
// their own, in four groups:
//   - RangeTexts: range texts (from:to:step) and the user's interval texts (from:to);
//   - Normalisation and UnitTexts: a freshly loaded data set brought to mg/l, with its maximum
//     and average concentrations, and its unit texts cleaned;
//   - GridMean: the average over the user's intervals, for the analysis window;
//   - GridMax: the maximum of a grid.
// Callers include this header, or the one of the group they need.

#include "concentration/GridMax.h"
#include "concentration/GridMean.h"
#include "concentration/Normalisation.h"
#include "concentration/UnitTexts.h"
#include "datafiles/RangeTexts.h"
