#include "datafiles/AirModelBodies.h"
#include "datafiles/SectionFields.h"
#include "shell/Text.h"

#include <string>

namespace torval {

void skipEmissionBlock(FreeFormatReader& reader) {
    expectMarker(reader, "[Begin --- from emission model]");
    skipFields(reader, 6);
    expectMarker(reader, "[End --- from emission model]");
}

std::string numberedMarker(std::string_view opening, std::int16_t chemical) {
    return std::string(opening) + std::to_string(chemical) + " ]";
}

bool announcesMonteCarlo(std::string_view text) {
    return contains(lowerCase(text), "monte");
}

} // namespace torval
