#include "datafiles/DataLayout.h"

#include <array>

namespace torval {

namespace {

using enum Axis;

constexpr std::array<Axis, 1> OnlyX{X};
constexpr std::array<Axis, 1> OnlyY{Y};
constexpr std::array<Axis, 1> OnlyZ{Z};
constexpr std::array<Axis, 1> OnlyT{T};
constexpr std::array<Axis, 2> XY{X, Y};
constexpr std::array<Axis, 2> XZ{X, Z};
constexpr std::array<Axis, 2> YZ{Y, Z};
constexpr std::array<Axis, 3> XYZ{X, Y, Z};
constexpr std::array<Axis, 2> XT{X, T};
constexpr std::array<Axis, 2> YT{Y, T};
constexpr std::array<Axis, 2> ZT{Z, T};
constexpr std::array<Axis, 3> XYT{X, Y, T};
constexpr std::array<Axis, 3> XZT{X, Z, T};
constexpr std::array<Axis, 3> YZT{Y, Z, T};
constexpr std::array<Axis, 4> XYZT{X, Y, Z, T};

} // namespace

std::span<const Axis> LayoutAxes(std::int16_t dataType) noexcept {
    switch (dataType) {
    case 3:
        return OnlyX;
    case 4:
        return OnlyY;
    case 5:
        return OnlyZ;
    case 6:
        return OnlyT;
    case 7:
        return XY;
    case 8:
        return XZ;
    case 9:
        return YZ;
    case 10:
        return XYZ;
    case 11:
        return XT;
    case 12:
        return YT;
    case 13:
        return ZT;
    case 14:
        return XYT;
    case 15:
        return XZT;
    case 16:
        return YZT;
    case 17:
        return XYZT;
    default:
        return {};
    }
}

} // namespace torval
