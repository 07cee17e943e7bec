// The program's own reader of each model family, for the file-opening step.
#include "datafiles/AirFileReader.h"
#include "datafiles/DataFileOpening.h"
#include "datafiles/GroundwaterFileReader.h"
#include "datafiles/SurfaceWaterFileReader.h"

namespace torval {

DataFileReaders DataFileReaders::standard() {
    using PathReader = bool (*)(AppState&, Prompter&, const std::string&);
    return {static_cast<PathReader>(ReadAirDataFile), static_cast<PathReader>(ReadGroundwaterFile),
            static_cast<PathReader>(ReadSurfaceWaterFile)};
}

} // namespace torval
