#include "analysisfile/RiskMonteCarloSection.h"

#include "analysisfile/RiskFileFields.h"
#include "analysisfile/RiskFileLines.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"
#include "shell/TextEncoding.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace torval {

namespace {

constexpr std::string_view BeginMarker = "[Begin Monte Carlo Data]";
constexpr std::string_view EndMarker = "[End MonteCarlo Data]";

std::string chemicalMarker(std::string_view word, int chemical) {
    return "[" + std::string(word) + " Chemical " + std::to_string(chemical) + " ]";
}

// The text fields of the records in the order they are saved.
template <typename Variant>
auto variantTexts(Variant& v) {
    return std::array{&v.Name,     &v.Mean,  &v.Minimum,     &v.Maximum,
                      &v.Variance, &v.Terms, &v.Distribution};
}

template <typename Result>
auto resultTexts(Result& r) {
    return std::array{&r.Variant,        &r.Median,        &r.Minimum,          &r.Maximum,
                      &r.ArithmeticMean, &r.GeometricMean, &r.StandardDeviation};
}

void appendTexts(std::string& out, const std::array<const std::string*, 7>& texts) {
    for (const std::string* text : texts) {
        appendLine(out, *text);
    }
}

void readTexts(FreeFormatReader& in, const std::array<std::string*, 7>& texts) {
    for (std::string* text : texts) {
        *text = fromFileText(in.line());
    }
}

void appendCount(std::string& out, std::int32_t count) {
    appendLine(out, printText(count));
}

void appendChemical(std::string& out, const AppState& state, int ch) {
    appendLine(out, chemicalMarker("Begin", ch));
    for (int r = 1; r <= state.MCInputRowCount; ++r) {
        const MonteCarloVariant& variant = state.InputTGData.at(r, ch);
        appendTexts(out, variantTexts(variant));
        appendLine(out, booleanText(variant.InUse));
    }
    for (int r = 1; r <= state.MCResultRowCount; ++r) {
        const MonteCarloResult& result = state.ResultTGData.at(r, ch);
        appendTexts(out, resultTexts(result));
        appendLine(out, booleanText(result.Selected));
        appendLine(out, result.Marker);
        for (std::int32_t k = 1; k < state.MonteCarloCount; ++k) {
            appendLine(out, printText(state.SimulatedValues.at(r, k, ch)));
        }
    }
    appendLine(out, chemicalMarker("End", ch));
}

// One chemical's rows as read, before they go into the tables.
struct ChemicalBlock {
    std::vector<MonteCarloVariant> variants;
    std::vector<MonteCarloResult> results;
    std::vector<double> values; // row by row, MonteCarloCount - 1 each
};

struct SectionCounts {
    std::int16_t inputRows = 0;
    std::int16_t resultRows = 0;
    std::int32_t monteCarloCount = 1;
};

SectionCounts readCounts(FreeFormatReader& in) {
    SectionCounts counts;
    counts.inputRows = count16Of(in.line());
    counts.resultRows = count16Of(in.line());
    counts.monteCarloCount = count32Of(in.line());
    if (counts.monteCarloCount < 1) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "no Monte Carlo iteration count");
    }
    return counts;
}

// Before reading a block, the file must hold room for it: a value takes at least two bytes,
// a text line at least one.
void requireRoomForBlock(const FreeFormatReader& in, const SectionCounts& counts) {
    const std::int64_t values = std::int64_t{counts.resultRows} * (counts.monteCarloCount - 1);
    const std::int64_t texts =
        std::int64_t{counts.inputRows} * 8 + std::int64_t{counts.resultRows} * 9;
    in.requireRoomFor(values + texts / 2);
}

ChemicalBlock readChemical(FreeFormatReader& in, const SectionCounts& counts, int ch) {
    requireRoomForBlock(in, counts);
    ChemicalBlock block;
    block.variants.resize(static_cast<std::size_t>(counts.inputRows));
    for (MonteCarloVariant& variant : block.variants) {
        readTexts(in, variantTexts(variant));
        variant.InUse = booleanOf(in.line());
    }
    block.results.resize(static_cast<std::size_t>(counts.resultRows));
    block.values.reserve(static_cast<std::size_t>(counts.resultRows) *
                         static_cast<std::size_t>(counts.monteCarloCount - 1));
    for (MonteCarloResult& result : block.results) {
        readTexts(in, resultTexts(result));
        result.Selected = booleanOf(in.line());
        result.Marker = in.line();
        for (std::int32_t k = 1; k < counts.monteCarloCount; ++k) {
            block.values.push_back(in.numberField());
        }
    }
    expectRiskMarker(in, chemicalMarker("End", ch));
    return block;
}

std::vector<ChemicalBlock> readChemicals(FreeFormatReader& in, const SectionCounts& counts) {
    std::vector<ChemicalBlock> blocks;
    for (;;) {
        const std::string marker(trimBlanksView(nextNonBlankLine(in)));
        const int ch = static_cast<int>(blocks.size()) + 1;
        if (marker == EndMarker && !blocks.empty()) {
            return blocks;
        }
        if (marker != chemicalMarker("Begin", ch)) {
            throw RunTimeError(ErrorCode::InputPastEndOfFile,
                               "expected " + chemicalMarker("Begin", ch));
        }
        if (ch > std::numeric_limits<std::int16_t>::max()) {
            throw RunTimeError(ErrorCode::Overflow, "too many chemicals");
        }
        blocks.push_back(readChemical(in, counts, ch));
    }
}

template <typename Row>
void fillTable(BoundedArray<Row, 2>& table, std::int16_t rows,
               const std::vector<ChemicalBlock>& blocks, std::vector<Row> ChemicalBlock::*member) {
    table.erase();
    if (rows < 1) {
        return;
    }
    table.redim({1, rows}, {1, static_cast<std::int64_t>(blocks.size())});
    for (std::size_t c = 0; c < blocks.size(); ++c) {
        const std::vector<Row>& read = blocks[c].*member;
        for (std::size_t r = 0; r < read.size(); ++r) {
            table.at(r + 1, c + 1) = read[r];
        }
    }
}

void fillValues(BoundedArray<double, 3>& values, const SectionCounts& counts,
                const std::vector<ChemicalBlock>& blocks) {
    values.erase();
    const std::int32_t perRow = counts.monteCarloCount - 1;
    if (counts.resultRows < 1 || perRow < 1) {
        return;
    }
    values.redim({1, counts.resultRows}, {1, perRow},
                 {1, static_cast<std::int64_t>(blocks.size())});
    for (std::size_t c = 0; c < blocks.size(); ++c) {
        const std::vector<double>& read = blocks[c].values;
        for (std::int32_t r = 1; r <= counts.resultRows; ++r) {
            for (std::int32_t k = 1; k <= perRow; ++k) {
                values.at(r, k, c + 1) =
                    read[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(perRow) +
                         static_cast<std::size_t>(k - 1)];
            }
        }
    }
}

} // namespace

void WriteMonteCarloSection(std::string& out, AppState& state) {
    if (state.MonteCarloCount == 0) {
        state.MonteCarloCount = 1;
    }
    appendLine(out, BeginMarker);
    appendCount(out, state.MCInputRowCount);
    appendCount(out, state.MCResultRowCount);
    appendCount(out, state.MonteCarloCount);
    for (int ch = 1; ch <= state.MCChemicalCount; ++ch) {
        appendChemical(out, state, ch);
    }
    appendLine(out, EndMarker);
}

void ReadMonteCarloSection(FreeFormatReader& in, AppState& state) {
    expectRiskMarker(in, BeginMarker);
    const SectionCounts counts = readCounts(in);
    const std::vector<ChemicalBlock> blocks = readChemicals(in, counts);

    state.MCInputRowCount = counts.inputRows;
    state.MCResultRowCount = counts.resultRows;
    state.MonteCarloCount = counts.monteCarloCount;
    state.MCChemicalCount = static_cast<std::int16_t>(blocks.size());
    state.MCCurrentChemical =
        std::clamp<std::int16_t>(state.modelData.CurrentChemical, 1, state.MCChemicalCount);
    fillTable(state.InputTGData, counts.inputRows, blocks, &ChemicalBlock::variants);
    fillTable(state.ResultTGData, counts.resultRows, blocks, &ChemicalBlock::results);
    fillValues(state.SimulatedValues, counts, blocks);
}

} // namespace torval
