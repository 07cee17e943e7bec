#pragma once
// The chemical selection dialog (frmChemicals) without its widgets: the chemicals of an air
// file or the species of a groundwater multiple-species file, with the current one
// preselected. The analysis window opens it, mirrors the list and forwards the row the user
// picks and the two buttons; after the dialog has closed it asks ChemicalChanged() whether to
// refresh what it shows.
//
// OK finds the chemical by name, not by row: the first chemical in list order whose name
// contains the chosen text becomes current. With a name that another, earlier name contains,
// that earlier chemical is the one taken.

#include "AppState.h"
#include "shell/Prompter.h"

#include <cstddef>
#include <string>
#include <vector>

namespace torval {

class ChemicalSelectionForm {
public:
    // Opening: ChemicalChanged is false, the list holds ChemicalNames(1..ChemicalCount) and
    // its text is the name of the current chemical. Raises 9 when the names do not reach
    // ChemicalCount or CurrentChemical.
    ChemicalSelectionForm(AppState& state, Prompter& prompter);

    const std::vector<std::string>& chemicals() const noexcept { return chemicals_; }

    // The list's text: the name of the chosen row.
    const std::string& text() const noexcept { return text_; }

    // The user picks a row (0 for the first chemical); raises 9 for a row the list lacks.
    void selectRow(std::size_t row);

    // cmdOK: makes the chemical found by the list's text current, in CurrentChemical and
    // MCCurrentChemical, and copies its record into the data set (SelectAirChemical for an
    // air file, SelectSpecies otherwise), unless it is the chemical the Monte Carlo tables
    // already address. A failure of the copy is reported with the file and chemical names.
    // The dialog closes either way.
    void ok();

    // cmdCancel: closes without change.
    void cancel() {}

    // True once OK has changed the chemical.
    bool ChemicalChanged() const noexcept { return chemicalChanged_; }

private:
    std::int16_t firstChemicalContaining(const std::string& text) const;
    void makeCurrent(std::int16_t index);

    AppState& state_;
    Prompter& prompter_;
    std::vector<std::string> chemicals_;
    std::string text_;
    bool chemicalChanged_ = false;
};

} // namespace torval
