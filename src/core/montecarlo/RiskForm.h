#pragma once
// The risk window without its widgets: the analyst types a cancer slope factor and a reference
// dose for the current chemical and sees, for the last calculation, the lifetime cancer risk
// and the hazard quotient. The values kept for the chemical fill the fields when the window
// opens, and the window keeps what was typed when it closes.

#include "AppState.h"
#include "shell/ChemicalRiskValues.h"
#include "shell/Prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace torval {

// The name of the chemical the analysis works on: the current one of the data's names, else
// the contaminant's name, trimmed; empty when the data name none.
std::string currentChemicalName(const AppState& state);

// One row of the figures: its label, then the texts under "Lifetime cancer risk" and "Hazard
// quotient" (empty where that figure is not shown).
struct RiskRow {
    std::string label;
    std::string cancerRisk;
    std::string hazardQuotient;

    bool operator==(const RiskRow&) const = default;
};

class RiskForm {
public:
    static constexpr std::string_view Caption = "Risk";
    static constexpr std::string_view NoResult = "Calculate the analysis to see its risk.";
    static constexpr std::string_view NoChemical =
        "Type the chemical's name to keep the values for it.";
    static constexpr std::string_view SlopeFactorRefused =
        "The slope factor must be a number above 0.";
    static constexpr std::string_view ReferenceDoseRefused =
        "The reference dose must be a number above 0.";

    // Reads the kept values from `settingsPath`; a file that cannot be read is reported through
    // the prompter, the fields start empty and nothing is kept on closing.
    RiskForm(const AppState& state, Prompter& prompter, std::string settingsPath);

    const std::string& chemical() const noexcept { return chemical_; }
    // Whether the analyst names the chemical: only when the analysis names none (a typed-in
    // concentration); a data file's chemical is the one the values belong to.
    bool chemicalEditable() const noexcept { return chemicalEditable_; }
    // A chemical typed in: the values kept for it, if any, fill both fields; with none kept
    // the fields stay as typed. Ignored unless chemicalEditable().
    void setChemical(std::string name);
    const std::string& slopeFactorText() const noexcept { return slopeFactorText_; }
    const std::string& referenceDoseText() const noexcept { return referenceDoseText_; }

    void setSlopeFactorText(std::string text);
    void setReferenceDoseText(std::string text);

    // The figures for the valid values typed: for a regular result one row "Value"; for a
    // Monte Carlo result "P5", "Median", "Mean", "P95" and the fractions of the iterations
    // above the limits. No rows without a result or without a valid value.
    const std::vector<RiskRow>& rows() const noexcept { return rows_; }
    // What the window says under the fields: the refused inputs, a missing result, a chemical
    // whose values cannot be kept for want of a name; empty when all is well.
    std::string notice() const;

    // Figures have six significant digits here, a point whatever the locale ("1.09999e-06").
    static std::string figureText(double value);

    // Closing: keeps the valid values for the chemical (an empty field forgets its value, a
    // refused one keeps the earlier value) and writes the settings file when they changed.
    // A failed write is reported through the prompter.
    void keep();

private:
    void recompute();
    void showKept();

    Prompter& prompter_;
    std::string settingsPath_;
    ChemicalRiskValues kept_;
    std::string chemical_;
    bool chemicalEditable_ = false;
    bool keepable_ = true; // the settings file was read, or there was none
    std::vector<double> intakes_;
    std::string slopeFactorText_;
    std::string referenceDoseText_;
    bool slopeFactorRefused_ = false;
    bool referenceDoseRefused_ = false;
    RiskFactors factors_;
    std::vector<RiskRow> rows_;
};

} // namespace torval
