#pragma once
// The Monte Carlo window's printed report: for each counted variant of the current chemical
// (MonteCarloOutputRows.h) its input data and its statistics, in two columns.

#include "AppState.h"
#include "reports/ReportDocument.h"

#include <string_view>

namespace torval {

// The title the report prints: the Monte Carlo window's caption.
inline constexpr std::string_view MonteCarloReportTitle = "Monte Carlo Silmulation for Risk";

ReportDocument MonteCarloReportDocument(const AppState& state);

// Hands the report to the sink as one print job. Failures (68 without a printer) propagate to
// the Monte Carlo window's command handler, which reports them.
void PrintMonteCarloReport(AppState& state, PrintSink& sink);

} // namespace torval
