#include "montecarlo/MonteCarloExchange.h"

#include "montecarlo/MonteCarloSaveRestore.h"
#include "montecarlo/MonteCarloSelection.h"

namespace torval {

void MonteCarloExchange::show(AppState& state, const std::vector<AnalysisEntry>& parameters,
                              std::string_view calculationKind) {
    MonteCarloForm form(state, prompter_, {parameters, AnalysisCallerTag, calculationKind},
                        generators_, outputs_);
    if (presenter_ != nullptr) {
        presenter_->present(form);
    }
}

void MonteCarloExchange::applySelection(AppState& state, std::vector<AnalysisEntry>& entries) {
    ApplyMonteCarloSelection(state, entries, AnalysisCallerTag);
}

} // namespace torval
