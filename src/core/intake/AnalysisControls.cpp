#include "intake/AnalysisControls.h"

#include "shell/Platform.h"

#include <cstddef>
#include <string_view>

namespace torval {

namespace {

// Captions of the rows that do not depend on the pathway.
constexpr std::string_view FixedCaptions[] = {
    " Data Model:",
    " Datafile Name:",
    "  X Coordinate (Xmin:Xmax:XInterval:XContant):",
    "  Y Coordinate (Ymin:Ymax:YInterval:YContant):",
    "  Z Coordinate (Zmin:Zmax:ZInterval:ZContant):",
    "  Time (Tmin:Tmax:TInterval:TContant):",
    "  X Interval (Xmin:Xmax):",
    "  Y Interval (Ymin:Ymax):",
    "  Z Interval (Zmin:Zmax):",
    "  Time Interval (Tmin:Tmax):",
    "  Average Concentration",
    "  Maximum Concentration",
    "  Specified Concentration",
};

} // namespace

std::string optionPicturePath(std::string_view appPath, OptionPicture picture) {
    return joinPath(joinPath(appPath, "bitmap"),
                    picture == OptionPicture::Checked ? "check.bmp" : "uncheck.bmp");
}

AnalysisControls initialAnalysisControls() {
    AnalysisControls controls;
    controls.title = "RISK ASSESSMENT";
    for (std::size_t row = 0; row < std::size(FixedCaptions); ++row) {
        controls.rows[row].caption = std::string(FixedCaptions[row]);
    }
    for (int row = AnalysisRows::AverageConcentration; row <= AnalysisRows::SpecifiedConcentration;
         ++row) {
        controls.rows[static_cast<std::size_t>(row)].unit = "mg/l";
    }
    controls.rows[AnalysisRows::Result].unit = "mg/(kg-day)";
    controls.concentrationPictures = {OptionPicture::Checked, OptionPicture::Unchecked,
                                      OptionPicture::Unchecked};
    controls.kindLabel = "Regular";
    controls.statusText = "Status: ready";
    return controls;
}

} // namespace torval
