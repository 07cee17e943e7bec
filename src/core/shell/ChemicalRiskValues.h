#pragma once
// The cancer slope factor and the reference dose the analyst gave for each chemical, kept
// between sessions in a settings file of their own beside torval.ini (torval-risk.ini), so
// neither torval.ini nor any analysis file changes its format.
//
// The file is plain UTF-8 text, one section per chemical:
//     [TRICHLOROETHYLENE]
//     SlopeFactor=0.0059
//     ReferenceDose=0.0005
// A section's name is the chemical's name in upper case (names are matched without regard to
// case); a key left out is a value not given. The reader is forgiving: blanks around names,
// keys and values are ignored, a line it does not understand (a comment, a value that is not
// a positive finite number) is skipped, and a name repeated keeps its last values.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace torval {

// A cancer slope factor in (mg/kg-day)^-1 and a reference dose in mg/kg-day, either or both.
struct RiskFactors {
    std::optional<double> slopeFactor;
    std::optional<double> referenceDose;

    bool operator==(const RiskFactors&) const = default;
};

// The number a text holds when it is a positive finite number, as a slope factor or a reference
// dose must be; nothing otherwise.
std::optional<double> positiveRiskFactor(std::string_view text);

// Files beyond this size are refused (62) rather than read.
inline constexpr std::size_t MaxRiskValuesBytes = 1024 * 1024;

class ChemicalRiskValues {
public:
    // What was kept for the chemical; nothing given when it has no section.
    RiskFactors valuesFor(std::string_view chemical) const;

    // Keeps the values for the chemical; with neither value given its section goes.
    void setValuesFor(std::string_view chemical, const RiskFactors& values);

    static ChemicalRiskValues fromText(std::string_view text);
    // The sections in the order of the names, values in the general text form, lines ended by
    // "\n".
    std::string text() const;

    // A missing file reads as no values; a file that cannot be read raises its code.
    static ChemicalRiskValues load(std::string_view path);
    // Written through a temporary file beside it, so a failed write keeps the previous file.
    void save(std::string_view path) const;

private:
    std::map<std::string, RiskFactors> chemicals_;
};

// torval-risk.ini in the directory of torval.ini.
std::string chemicalRiskValuesPath(std::string_view iniFilePath);

} // namespace torval
