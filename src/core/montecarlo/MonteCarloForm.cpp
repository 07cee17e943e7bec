#include "montecarlo/MonteCarloForm.h"

#include "montecarlo/MonteCarloColumns.h"
#include "montecarlo/MonteCarloSaveRestore.h"
#include "montecarlo/RiskForm.h"
#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

namespace torval {

namespace {

template <typename Row>
Row& checkedRow(std::vector<Row>& grid, int row) {
    if (row < 1 || row > static_cast<int>(grid.size())) {
        throw RunTimeError(ErrorCode::SubscriptOutOfRange);
    }
    return grid[static_cast<std::size_t>(row - 1)];
}

} // namespace

std::string_view helpTextOf(HelpArea area) {
    switch (area) {
    case HelpArea::InputGrid:
        return HelpTexts::InputGrid;
    case HelpArea::ParameterList:
        return HelpTexts::ParameterList;
    case HelpArea::WindowFrame:
        return HelpTexts::WindowFrame;
    case HelpArea::ResultGrid:
        return HelpTexts::ResultGrid;
    case HelpArea::HelpPanel:
        break;
    }
    return HelpTexts::HelpPanel;
}

ParameterList parameterListOf(const std::vector<AnalysisEntry>& entries) {
    ParameterList list;
    for (const AnalysisEntry& entry : entries) {
        list.names.push_back(trimBlanks(entry.label));
        list.values.push_back(FormatNumber(entry.text));
    }
    list.names.emplace_back(MonteCarloForm::RemoveEntry);
    list.values.emplace_back(MonteCarloForm::RemoveEntry);
    return list;
}

MonteCarloForm::MonteCarloForm(AppState& state, Prompter& prompter,
                               const MonteCarloOpening& opening, SamplingGenerators generators,
                               MonteCarloOutputs* outputs)
    : state_(state), prompter_(prompter), parameters_(parameterListOf(opening.parameters)),
      calculationKind_(opening.calculationKind), generators_(generators), outputs_(outputs),
      helpCaption_(HelpTexts::HelpPanel) {
    RestoreMonteCarloTables(state_, opening.callerTag);
    state_.MCDataKept = state_.MCResultRowCount != 0 || state_.MCInputRowCount != 0;
    if (!state_.MCDataKept) {
        InitialiseMonteCarloTables(state_, static_cast<std::int16_t>(parameters_.names.size()));
    }
    state_.SimulationGenerated = false;
    // A sampling the program cannot draw through is never the one the window starts on.
    chooseSampling(samplingIndex());
    showVariantTable();
    sendresultTGDataToResultTDBData();
}

MonteCarloVariant& MonteCarloForm::gridRow(int row) {
    return checkedRow(inputGrid_, row);
}

MonteCarloResult& MonteCarloForm::gridResult(int row) {
    return checkedRow(resultGrid_, row);
}

const MonteCarloVariant& MonteCarloForm::inputRow(int row) const {
    return const_cast<MonteCarloForm*>(this)->gridRow(row);
}

const MonteCarloResult& MonteCarloForm::resultRow(int row) const {
    return const_cast<MonteCarloForm*>(this)->gridResult(row);
}

const std::string& MonteCarloForm::inputCell(int row, int column) const {
    return inputField(inputRow(row), column);
}

const std::string& MonteCarloForm::resultCell(int row, int column) const {
    return resultField(resultRow(row), column);
}

void MonteCarloForm::showVariantTable() {
    inputGrid_.assign(static_cast<std::size_t>(std::max<int>(state_.MCInputRowCount, 0)), {});
    for (int row = 1; row <= inputRowCount(); ++row) {
        gridRow(row) = state_.InputTGData.at(row, state_.MCCurrentChemical);
    }
}

void MonteCarloForm::sendInputTDBDataToInputTGData() {
    for (int row = 1; row <= inputRowCount(); ++row) {
        MonteCarloVariant variant = gridRow(row);
        for (int column = InputColumn::Mean; column <= InputColumn::Terms; ++column) {
            std::string& number = inputField(variant, column);
            number = FormatNumber(number);
        }
        variant.InUse = !variant.Name.empty();
        state_.InputTGData.at(row, state_.MCCurrentChemical) = variant;
    }
}

void MonteCarloForm::sendresultTGDataToResultTDBData() {
    resultGrid_.assign(static_cast<std::size_t>(std::max<int>(state_.MCResultRowCount, 0)), {});
    for (int row = 1; row <= resultRowCount(); ++row) {
        MonteCarloResult& statistics = state_.ResultTGData.at(row, state_.MCCurrentChemical);
        statistics.Selected = !statistics.Variant.empty();
        gridResult(row) = statistics;
    }
}

void MonteCarloForm::sendresultTDBDataToResultTGData() {
    for (int row = 1; row <= resultRowCount(); ++row) {
        state_.ResultTGData.at(row, state_.MCCurrentChemical) = gridResult(row);
    }
}

CellColour MonteCarloForm::resultCellColour(int row, int column) const {
    const MonteCarloResult& cells = resultRow(row);
    const std::string_view caption = resultCaption(column);
    return cells.Selected && !cells.Marker.empty() && contains(caption, cells.Marker)
               ? CellColour::WhiteOnRed
               : CellColour::BlackOnWhite;
}

// A file with several chemicals names the current one in its list; a groundwater file with
// one names its contaminant.
std::string MonteCarloForm::chemicalCaption() const {
    const std::string name = currentChemicalName(state_);
    return name.empty() ? std::string() : "Chemical: " + name;
}

void MonteCarloForm::pointerOver(HelpArea area) {
    helpCaption_ = helpTextOf(area);
}

void MonteCarloForm::reportFailure(const std::exception& failure) {
    torval::reportFailure(prompter_, failure, "", "");
}

} // namespace torval
