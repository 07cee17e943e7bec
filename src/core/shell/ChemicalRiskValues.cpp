#include "shell/ChemicalRiskValues.h"

#include "shell/FileReplacement.h"
#include "shell/NumberText.h"
#include "shell/Platform.h"
#include "shell/RegularFile.h"
#include "shell/RunTimeError.h"
#include "shell/Text.h"

#include <array>
#include <cmath>
#include <filesystem>

namespace torval {

namespace {

constexpr std::string_view SlopeFactorKey = "SlopeFactor";
constexpr std::string_view ReferenceDoseKey = "ReferenceDose";

std::string keyOf(std::string_view chemical) {
    return upperCase(trimBlanksView(chemical));
}

void applyEntry(std::string_view line, RiskFactors& values) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = trimBlanksView(line.substr(0, equals));
    const std::optional<double> value = positiveRiskFactor(line.substr(equals + 1));
    if (!value) {
        return;
    }
    if (key == SlopeFactorKey) {
        values.slopeFactor = value;
    } else if (key == ReferenceDoseKey) {
        values.referenceDose = value;
    }
}

std::string readBounded(const std::string& native) {
    RegularFile in(native);
    if (in.size() > MaxRiskValuesBytes) {
        throw RunTimeError(ErrorCode::InputPastEndOfFile, "\"" + native + "\" is too large");
    }
    std::string bytes;
    std::array<char, 16 * 1024> chunk{};
    while (const std::size_t got = in.read(chunk.data(), chunk.size())) {
        bytes.append(chunk.data(), got);
    }
    return bytes;
}

} // namespace

std::optional<double> positiveRiskFactor(std::string_view text) {
    if (!isNumeric(text)) {
        return std::nullopt;
    }
    try {
        const double value = toDouble(text);
        return std::isfinite(value) && value > 0 ? std::optional<double>(value) : std::nullopt;
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

RiskFactors ChemicalRiskValues::valuesFor(std::string_view chemical) const {
    const auto found = chemicals_.find(keyOf(chemical));
    return found == chemicals_.end() ? RiskFactors{} : found->second;
}

void ChemicalRiskValues::setValuesFor(std::string_view chemical, const RiskFactors& values) {
    if (!values.slopeFactor && !values.referenceDose) {
        chemicals_.erase(keyOf(chemical));
    } else {
        chemicals_[keyOf(chemical)] = values;
    }
}

ChemicalRiskValues ChemicalRiskValues::fromText(std::string_view text) {
    ChemicalRiskValues read;
    std::map<std::string, RiskFactors> sections;
    RiskFactors* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = trimBlanksView(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line = trimBlanksView(line.substr(0, line.size() - 1));
        }
        if (line.starts_with('[') && line.ends_with(']') && line.size() > 2) {
            current = &sections[keyOf(line.substr(1, line.size() - 2))];
            *current = RiskFactors{};
        } else if (current != nullptr) {
            applyEntry(line, *current);
        }
    }
    for (const auto& [name, values] : sections) {
        read.setValuesFor(name, values);
    }
    return read;
}

std::string ChemicalRiskValues::text() const {
    std::string text;
    for (const auto& [name, values] : chemicals_) {
        text += '[' + name + "]\n";
        if (values.slopeFactor) {
            text += std::string(SlopeFactorKey) + '=' + generalText(*values.slopeFactor) + '\n';
        }
        if (values.referenceDose) {
            text += std::string(ReferenceDoseKey) + '=' + generalText(*values.referenceDose) + '\n';
        }
    }
    return text;
}

ChemicalRiskValues ChemicalRiskValues::load(std::string_view path) {
    if (!FileExists(path)) {
        return {};
    }
    return fromText(readBounded(toNativePath(path)));
}

void ChemicalRiskValues::save(std::string_view path) const {
    replaceFileContents(path, text());
}

std::string chemicalRiskValuesPath(std::string_view iniFilePath) {
    return (std::filesystem::path(std::string(iniFilePath)).parent_path() / "torval-risk.ini")
        .string();
}

} // namespace torval
