#pragma once
// The user's configuration: where the text editor and the plotting utility live and which
// directories the program opens its files in. Start-up fills it from torval.ini (or the
// defaults), the Preferences window edits it, and the readers, writers and launchers only read
// it. Every member is a path as the user gave it; an empty text means "not set".

#include <string>

namespace torval {

struct AppSettings {
    std::string TextEditorPath;
    std::string TempDataPath;
    std::string AirDataPath;
    std::string GroundwaterDataPath;
    std::string SurfaceDataPath;
    std::string PlantDataPath;
    std::string RiskDataPath;
    std::string GraphProgramPath;

    bool operator==(const AppSettings&) const = default;
};

} // namespace torval
