#include "montecarlo/IterationCsv.h"

#include "shell/FileReplacement.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

#include <cmath>
#include <string_view>

namespace torval {

namespace {

void appendField(std::string& row, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        row += field;
        return;
    }
    row += '"';
    for (const char c : field) {
        row += c;
        if (c == '"') {
            row += '"';
        }
    }
    row += '"';
}

void appendNumber(std::string& row, double value) {
    row += ',';
    if (!std::isnan(value)) {
        row += generalText(value);
    }
}

} // namespace

std::string IterationCsv(const std::vector<VariedInput>& inputs, std::span<const double> intakes) {
    std::string text = "Iteration";
    for (const VariedInput& input : inputs) {
        text += ',';
        appendField(text, input.label);
        if (input.values.size() != intakes.size()) {
            throw RunTimeError(ErrorCode::SubscriptOutOfRange);
        }
    }
    text += ",Intake\n";
    for (std::size_t i = 0; i < intakes.size(); ++i) {
        text += std::to_string(i + 1);
        for (const VariedInput& input : inputs) {
            appendNumber(text, input.values[i]);
        }
        appendNumber(text, intakes[i]);
        text += '\n';
    }
    return text;
}

void WriteIterationCsv(const AppState& state, const std::string& path) {
    const std::vector<double> intakes = CalculatedIntakes(state);
    replaceFileContents(path, IterationCsv(VariedInputValues(state), intakes));
}

} // namespace torval
