#include "InspectCommand.h"

#include "CountingPrompter.h"
#include "IntakeCommand.h"
#include "datafiles/ChemicalSelectionForm.h"
#include "datafiles/DataLayout.h"
#include "intake/DataFileLoading.h"
#include "shell/ErrorReport.h"
#include "shell/TextEncoding.h"

#include <nlohmann/json.hpp>

namespace torval::cli {

namespace {

using nlohmann::json;

// The model name the New Application dialog sets for each medium code.
std::string modelNameOf(std::int16_t mediumCode) {
    switch (mediumCode) {
    case Medium::Air:
        return "Air";
    case Medium::Groundwater:
    case Medium::GroundwaterMultipleSpecies:
        return "Groundwater";
    case Medium::SurfaceNearField:
        return "Surface Water - Near Field";
    case Medium::SurfaceFarField:
        return "Surface Water - Far Field";
    case Medium::SurfaceSediment:
        return "Surface Water - Sediment";
    default:
        return "";
    }
}

// The open dialog of the windows, answered with the file given on the command line.
class GivenFile : public FileDialogs {
public:
    explicit GivenFile(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> openFile(const FileChoice&) override { return path_; }
    std::optional<std::string> saveFile(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> browseDirectory(const DirectoryChoice&) override {
        return std::nullopt;
    }

private:
    std::string path_;
};

std::string utf8(const std::string& text) {
    return fromFileText(text); // JSON takes only valid UTF-8
}

json values1ToN(const BoundedArray<double, 1>& values, std::int64_t count) {
    json list = json::array();
    for (std::int64_t i = 1; i <= count; ++i) {
        list.push_back(values.at(i));
    }
    return list;
}

json chemicalNames(const ModelDataSet& data) {
    json names = json::array();
    if (data.ChemicalNames.isAllocated()) {
        for (std::int64_t i = 1; i <= data.ChemicalCount && i <= data.ChemicalNames.upper(); ++i) {
            names.push_back(utf8(data.ChemicalNames.at(i)));
        }
    }
    return names;
}

json monteCarloValues(const ModelDataSet& data) {
    if (data.DataType != 0 || data.McIterationCount < 2) {
        return json::array();
    }
    return values1ToN(data.McIterationValues, data.McIterationCount - 1);
}

json dataSetJson(const AppState& state) {
    const ModelDataSet& data = state.modelData;
    return json{
        {"dataFileName", utf8(data.DataFileName)},
        {"model", utf8(data.ModelName)},
        {"subModel", utf8(data.SubModelName)},
        {"subType", utf8(data.SubTypeName)},
        {"aquifer", utf8(data.AquiferName)},
        {"contaminant", utf8(data.ContaminantName)},
        {"chemicalCount", data.ChemicalCount},
        {"currentChemical", data.CurrentChemical},
        {"chemicals", chemicalNames(data)},
        {"dataType", data.DataType},
        {"numX", data.NumX},
        {"numY", data.NumY},
        {"numZ", data.NumZ},
        {"numT", data.NumT},
        {"xRange", utf8(data.XRange)},
        {"yRange", utf8(data.YRange)},
        {"zRange", utf8(data.ZRange)},
        {"tRange", utf8(data.TRange)},
        {"mcCoordX", utf8(data.MCCoordX)},
        {"mcCoordY", utf8(data.MCCoordY)},
        {"mcCoordZ", utf8(data.MCCoordZ)},
        {"mcCoordT", utf8(data.MCCoordT)},
        {"lengthUnit", utf8(data.LengthUnit)},
        {"timeUnit", utf8(data.TimeUnit)},
        {"concentrationUnit", utf8(data.ConcentrationUnit)},
        {"initialConcentration", data.InitialConcentration},
        {"maximumConcentration", data.MaximumConcentration},
        {"averageConcentration", data.AverageConcentration},
        {"modelResult", utf8(data.ModelResult)},
        {"mcIterationCount", data.McIterationCount},
        {"mcIterationValues", monteCarloValues(data)},
        {"averageConc", utf8(state.riskInput.AverageConc)},
        {"maximumConc", utf8(state.riskInput.MaximumConc)},
    };
}

// The axes present in the layout, and every cell of the current grid with its indexes from 1,
// the first index varying slowest.
void addGrid(const ModelDataSet& data, json& out) {
    const auto axisValues = [&](Axis axis) -> std::pair<const BoundedArray<double, 1>&, int> {
        switch (axis) {
        case Axis::X:
            return {data.XValues, data.NumX};
        case Axis::Y:
            return {data.YValues, data.NumY};
        case Axis::Z:
            return {data.ZValues, data.NumZ};
        case Axis::T:
            break;
        }
        return {data.TValues, data.NumT};
    };
    static constexpr const char* Keys[] = {"xValues", "yValues", "zValues", "tValues"};

    ConcentrationGrid::CellSelection selection;
    for (const Axis axis : LayoutAxes(data.DataType)) {
        const auto [values, count] = axisValues(axis);
        out[Keys[static_cast<int>(axis)]] = values1ToN(values, count);
        selection.emplace_back();
        for (std::int64_t i = 1; i <= count; ++i) {
            selection.back().push_back(i);
        }
    }
    json cells = json::array();
    if (!selection.empty()) {
        while (selection.size() < data.ConcentrationGrid.rank()) {
            selection.push_back({1}); // an air grid keeps its time index for layout 10
        }
        data.ConcentrationGrid.forEachCell(selection, [&](double cell) { cells.push_back(cell); });
    }
    out["grid"] = std::move(cells);
}

void selectChemical(AppState& state, Prompter& prompter, int chemical) {
    ChemicalSelectionForm form(state, prompter);
    form.selectRow(static_cast<std::size_t>(chemical - 1));
    form.ok();
    fillConcentrationTexts(state);
}

} // namespace

int runInspect(const InspectRequest& request, Prompter& prompter, std::ostream& out,
               std::ostream& err) {
    AppState state;
    state.MediumCode =
        static_cast<std::int16_t>(request.medium.value_or(MediumCodeOfExtension(request.path)));
    if (MediumOfExtension(request.path).empty()) {
        err << "torval-cli: " << request.path
            << " does not have the extension of a transport-model file\n";
        return ExitRunTimeError;
    }
    state.modelData.ModelName = modelNameOf(state.MediumCode);
    state.AppPath = ".";

    CountingPrompter counting(prompter);
    GivenFile dialog(request.path);
    try {
        if (!OpenModelDataFile(state, dialog, counting, DataFileReaders::standard())) {
            if (counting.count == 0) {
                err << "torval-cli: " << request.path << " was not loaded\n";
            }
            return ExitRunTimeError;
        }
        if (request.chemical) {
            const std::int16_t count = state.modelData.ChemicalCount;
            if (*request.chemical < 1 || *request.chemical > count) {
                err << "torval-cli: " << request.path << " holds no chemical " << *request.chemical
                    << " (it holds " << count << " chemicals, numbered from 1)\n";
                return ExitRunTimeError;
            }
            selectChemical(state, counting, *request.chemical);
        }
        json result = dataSetJson(state);
        if (request.grid) {
            addGrid(state.modelData, result);
        }
        out << result.dump(2) << '\n';
        return ExitSuccess;
    } catch (const std::exception& failure) {
        reportFailure(counting, failure, request.path, "");
        if (counting.count == 0) {
            err << "torval-cli: run-time error " << runTimeCodeOf(failure) << '\n';
        }
        return ExitRunTimeError;
    }
}

} // namespace torval::cli
